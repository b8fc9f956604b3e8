// "Engrave Serial Numbers": the numbers, their width, padding, prefix and suffix, the NC code put
// between numbers and the two run options.  OK lets the operator check the tool in the tool path
// dialog, then engraves one number after the other into the cutter-location file.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "stages/toolpath/toolpath_plugins.h"
#include "text/settings_dialog_binder.h"
#include "toolpath/serial_numbers.h"

class QCheckBox;
class QPlainTextEdit;
class QSpinBox;

namespace quill {

class Job;

class TSerialNumDlg : public QDialog {
  Q_OBJECT

 public:
  // The tool path dialog in serial mode: its choices after OK, nothing after Cancel.
  using ToolPathAsker = std::function<std::optional<ToolPathRun>()>;

  explicit TSerialNumDlg(Job& job, QWidget* parent = nullptr);
  ~TSerialNumDlg() override;

  void SetHelp(std::function<void()> help) { help_ = std::move(help); }
  void SetToolPathAsker(ToolPathAsker ask) { askToolPath_ = std::move(ask); }
  void SetTextPathGenerator(TextPathGenerator generate) { generate_ = std::move(generate); }

  // The choices the project does not keep, as the dialog shows them.
  SerialRunOptions RunOptions() const;

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void StartLeft();

  Job& job_;
  SettingBinder bind_;
  std::function<void()> help_;
  ToolPathAsker askToolPath_;
  TextPathGenerator generate_ = GenerateSerialTextPath;
  QSpinBox* start_;
  QSpinBox* end_;
  QSpinBox* increment_;
  QPlainTextEdit* between_;
  QCheckBox* updateEnd_;
  QCheckBox* comment_;
};

}  // namespace quill
