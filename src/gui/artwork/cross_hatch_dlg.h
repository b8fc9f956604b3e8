// "Cross Hatching": the angle and spacing of the hatch lines and the end point tolerance they are cut
// with.  The tolerance starts at the current entity tolerance each time the window opens; the angle
// and the distance keep what was accepted last.
#pragma once

#include <QDialog>
#include <array>

#include "artwork/tools/cross_hatch.h"
#include "shell/help_contexts.h"

namespace quill {

class ExprField;
class Ui;

class TCrossHatchDlg : public QDialog {
  Q_OBJECT

 public:
  enum Field { Angle, Distance, Tolerance, FieldCount };

  explicit TCrossHatchDlg(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Modal; on OK Options() holds what was typed.
  bool Ask();
  const HatchOptions& Options() const { return options_; }

  ExprField& Entry(Field f) { return *fields_[f]; }

  // A bad field, or options the hatching refuses, keep the window open.
  void accept() override;

 private:
  Ui& ui_;
  HelpPageOpener help_;
  HatchOptions options_;
  std::array<ExprField*, FieldCount> fields_{};
};

}  // namespace quill
