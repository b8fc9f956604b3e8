// "Generate Raised / Inset Letters": the hatching operation, the cutting angle, the space between
// cuts and how much each hatch line is shortened at its ends.  After OK the main window frames the
// text path and asks the window to make the letters (RaisedLettersLink).
#pragma once

#include <QDialog>
#include <vector>

#include "shell/help_contexts.h"
#include "shell/main_window_links.h"
#include "toolpath/hatch/raised_inset.h"

class QRadioButton;

namespace quill {

class ExprField;
class Job;

class TRaisedLettersDlg : public QDialog, public RaisedLettersLink {
  Q_OBJECT

 public:
  explicit TRaisedLettersDlg(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }
  // The choices of the last OK.
  const RaisedInsetChoices& Choices() const { return choices_; }
  void GenerateLetters() override;

  // "Cangle", "CutDist", "Eoffset".
  ExprField* Field(const char* name) const;
  QRadioButton* RaisedButton() const { return raised_; }
  QRadioButton* InsetButton() const { return inset_; }

 public slots:
  void accept() override;

 private:
  Job& job_;
  HelpPageOpener help_;
  RaisedInsetChoices choices_;
  std::vector<ExprField*> fields_;
  QRadioButton* raised_;
  QRadioButton* inset_;
};

}  // namespace quill
