// "Generate Text Path": the status console, "Convert to Artwork", "Keep Existing Text" and the buttons
// that run the text path generation.
#pragma once

#include <QDialog>

#include "shell/help_contexts.h"
#include "shell/main_window_links.h"
#include "ui/ui.h"

class QCheckBox;
class QPushButton;
class QTextEdit;

namespace quill {

class Job;

class TGenForm : public QDialog, public ConvertToArtworkLink {
  Q_OBJECT

 public:
  explicit TGenForm(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // The console: the character being built in green, the step messages on lines of their own.
  void ConsoleText(const std::string& text, ConsoleColor color, bool newLine);
  void ClearConsole();
  QString ConsolePlainText() const;

  // "Convert to Artwork" is ticked: the main window converts the text path after OK.
  bool ConvertToArtworkChecked() const override;

  QPushButton* GenerateButton() const { return generate_; }
  QPushButton* CancelButton() const { return cancel_; }
  QCheckBox* KeepExistingBox() const { return keep_; }
  QCheckBox* ConvertBox() const { return convert_; }

 public slots:
  void GenerateClick();
  void CancelClick();
  // Esc is the Cancel button.
  void reject() override;

 protected:
  // Closing by the frame: OK when a text path was generated, Cancel otherwise.
  void closeEvent(QCloseEvent* event) override;

 private:
  Job& job_;
  HelpPageOpener help_;
  QTextEdit* console_;
  QCheckBox* convert_;
  QCheckBox* keep_;
  QPushButton* generate_;
  QPushButton* cancel_;
  bool running_ = false;
};

}  // namespace quill
