#include "text/text_editor.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextBlock>

#include "job/job.h"
#include "shell/latin1.h"
#include "text/text_editor_find.h"
#include "ui/ui.h"

namespace quill {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

}  // namespace

TTedForm::TTedForm(Job& job, QWidget* parent) : QMainWindow(parent), job_(job) {
  setObjectName("TTedForm");
  edit_ = new QPlainTextEdit;
  edit_->setObjectName("Memo");
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  setCentralWidget(edit_);
  find_ = new TFindReplaceDlg(this);
  connect(find_, &TFindReplaceDlg::FindNextClicked, this, [this] { FindNext(find_->What(), find_->Options()); });
  connect(find_, &TFindReplaceDlg::ReplaceClicked, this,
          [this] { Replace(find_->What(), find_->With(), find_->Options(), false); });
  connect(find_, &TFindReplaceDlg::ReplaceAllClicked, this,
          [this] { Replace(find_->What(), find_->With(), find_->Options(), true); });
  connect(edit_, &QPlainTextEdit::textChanged, this, &TTedForm::TextEdited);
  BuildMenus();
  SetFileName("");
  resize(640, 420);
  ShowJobText();
}

TTedForm::~TTedForm() = default;

std::string TTedForm::PlainText() const {
  return edit_->toPlainText().toLatin1().toStdString();
}

void TTedForm::TextEdited() {
  if (!settingText_) job_.text = SplitLines(PlainText());
}

void TTedForm::SetLines(const std::vector<std::string>& lines) {
  settingText_ = true;
  edit_->setPlainText(Latin1(JoinLines(lines)));
  edit_->document()->setModified(false);
  settingText_ = false;
  job_.text = lines.empty() ? std::vector<std::string>{""} : lines;
}

void TTedForm::ShowJobText() {
  std::vector<std::string> shown = SplitLines(PlainText());
  bool same = shown == job_.text || (job_.text.empty() && shown == std::vector<std::string>{""});
  if (same) return;
  settingText_ = true;
  edit_->setPlainText(Latin1(JoinLines(job_.text)));
  edit_->document()->setModified(false);
  settingText_ = false;
}

void TTedForm::SetFileName(const std::string& name) {
  fileName_ = name;
  setWindowTitle(QString::fromStdString(EditorCaption(name)));
}

void TTedForm::FileNew() {
  SetLines({""});
  SetFileName("");
}

bool TTedForm::FileOpen(const std::string& path) {
  std::vector<std::string> lines;
  if (!ReadTextFile(path, lines)) {
    job_.ui.Error("Cannot open file " + path);
    return false;
  }
  SetLines(lines);
  SetFileName(path);
  return true;
}

bool TTedForm::FileSaveAs(const std::string& path) {
  if (!WriteTextFile(path, job_.text)) {
    job_.ui.Error("Cannot write file " + path);
    return false;
  }
  SetFileName(path);
  edit_->document()->setModified(false);
  return true;
}

bool TTedForm::FileSave() {
  return fileName_.empty() ? ChooseAndSave() : FileSaveAs(fileName_);
}

void TTedForm::InsertText(const std::string& text) {
  edit_->insertPlainText(Latin1(text));
}

void TTedForm::InsertTimeAndDate() {
  InsertText(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toLatin1().toStdString());
}

void TTedForm::InsertSpecialCharacter() {
  if (pickSpecial_ && pickSpecial_()) InsertText(job_.specialChars);
}

void TTedForm::ChangeLines(void (*change)(std::vector<std::string>&)) {
  std::vector<std::string> lines = job_.text;
  change(lines);
  ReplaceText(JoinLines(lines));
}

void TTedForm::ReplaceText(const std::string& text) {
  // One edit through the cursor, so it can be undone.
  QTextCursor cursor(edit_->document());
  cursor.select(QTextCursor::Document);
  cursor.insertText(Latin1(text));
}

bool TTedForm::FindNext(const std::string& what, const FindOptions& options) {
  QTextCursor cursor = edit_->textCursor();
  auto at = FindText(PlainText(), what, static_cast<size_t>(cursor.selectionStart()),
                     static_cast<size_t>(cursor.selectionEnd()), options);
  if (!at) {
    job_.ui.Show({NotFoundMessage(what), MsgKind::Information, BtnOk, Answer::Ok, 0, {}});
    return false;
  }
  cursor.setPosition(static_cast<int>(*at));
  cursor.setPosition(static_cast<int>(*at + what.size()), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
  return true;
}

void TTedForm::Replace(const std::string& what, const std::string& with, const FindOptions& options, bool all) {
  QTextCursor cursor = edit_->textCursor();
  if (all) {
    ReplaceAllResult r = ReplaceAllText(PlainText(), what, with, static_cast<size_t>(cursor.selectionStart()),
                                        static_cast<size_t>(cursor.selectionEnd()), options);
    if (r.replaced > 0) ReplaceText(r.text);
    return;
  }
  if (SelectionMatches(cursor.selectedText().toLatin1().toStdString(), what)) cursor.insertText(Latin1(with));
  edit_->setTextCursor(cursor);
  FindNext(what, options);
}

void TTedForm::closeEvent(QCloseEvent* event) {
  if (!edit_->document()->isModified()) return event->accept();
  Answer a = job_.ui.Show({ModifiedQuestion(fileName_), MsgKind::Warning, BtnYesNoCancel, Answer::Yes, 0, {}});
  if (a == Answer::Cancel || (a == Answer::Yes && !FileSave())) return event->ignore();
  event->accept();
}

void TTedForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ShowJobText();
}

void TTedForm::showEvent(QShowEvent* event) {
  ShowJobText();
  QMainWindow::showEvent(event);
}

}  // namespace quill
