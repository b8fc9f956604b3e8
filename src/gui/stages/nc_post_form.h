// "NC-Code Generator": machine, start-up and shutdown macros, the output file, the arc settings and
// Start, over the core's NcGenerator.
#pragma once

#include <QDialog>
#include <string>
#include <utility>

#include "nc/nc_generator.h"
#include "shell/help_contexts.h"
#include "shell/main_window_links.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quill {

class ExprField;
class Job;

class TNCPOSTForm : public QDialog, public NcFileNameLink {
  Q_OBJECT

 public:
  explicit TNCPOSTForm(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // The file Start writes; shown in "Output File Name :".
  void SetNcFileName(const std::string& name) override;
  // The "Processing Line: " counter.
  void ShowCounter(long value);
  // The file the last Start wrote, handed out once (Edit NC-Code File opens it); empty when none.
  std::string TakeWrittenFile() { return std::exchange(written_, {}); }

  NcGenerator& Generator() { return generator_; }
  QComboBox* MachineBox() const { return mname_; }
  QComboBox* StartupBox() const { return mb1_; }
  QComboBox* ShutdownBox() const { return mb2_; }
  ExprField* MinRadiusField() const { return minrad_; }
  ExprField* ToleranceField() const { return ctol_; }
  QLabel* OutputLabel() const { return output_; }
  QLabel* CounterLabel() const { return counter_; }
  QPushButton* StartButton() const { return start_; }

 public slots:
  // Start: writes the NC file; the window hides when it was written and the status line says where
  // the code went and how many blocks it has.  Refused while a run goes on.
  void StartClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillMachines();
  void FillMacros();
  static void SelectText(QComboBox* box, const std::string& text);

  Job& job_;
  NcGenerator generator_;
  HelpPageOpener help_;
  QComboBox* mname_;
  QComboBox* mb1_;
  QComboBox* mb2_;
  QLabel* output_;
  ExprField* minrad_;
  ExprField* ctol_;
  QLabel* counter_;
  QPushButton* start_;
  std::string written_;
  bool filling_ = false;
  bool running_ = false;
};

}  // namespace quill
