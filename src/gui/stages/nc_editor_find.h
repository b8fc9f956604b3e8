// The NC editor's find and replace: a small dialog (find text, match case, whole word; with the replace
// text in replace mode) and the searches, which run from the end of the selection to the end of the
// text and never wrap to its start.
#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quill {

class Ui;

struct SearchRequest {
  QString text;
  QTextDocument::FindFlags flags;
};

// Selects the next match after the selection; false (and the selection stays) when there is none.
bool FindNext(QPlainTextEdit& editor, const SearchRequest& request);
// "Cannot find "<text>"."
std::string CannotFindText(const QString& text);
// Replaces the selection (normally the match just found) with replacement.
void ReplaceSelection(QPlainTextEdit& editor, const QString& replacement);
// Replaces every match after the selection, one undo step in all; the number replaced.
int ReplaceAll(QPlainTextEdit& editor, const SearchRequest& request, const QString& replacement);

class TNCFindDialog : public QDialog {
  Q_OBJECT

 public:
  TNCFindDialog(QPlainTextEdit& editor, Ui& ui, bool replaceMode, QWidget* parent = nullptr);

  SearchRequest Request() const;
  QLineEdit* FindField() const { return find_; }
  QLineEdit* ReplaceField() const { return replace_; }
  QCheckBox* CaseBox() const { return matchCase_; }
  QCheckBox* WordBox() const { return wholeWord_; }

 public slots:
  // Find Next: the next match selected, or the "Cannot find" message.
  bool FindNextClick();
  void ReplaceClick();
  void ReplaceAllClick();

 private:
  QPlainTextEdit& editor_;
  Ui& ui_;
  QLineEdit* find_;
  QLineEdit* replace_ = nullptr;
  QCheckBox* matchCase_;
  QCheckBox* wholeWord_;
};

}  // namespace quill
