#include "stages/nc_editor_find.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "shell/latin1.h"
#include "ui/ui.h"

namespace quill {

bool FindNext(QPlainTextEdit& editor, const SearchRequest& request) {
  if (request.text.isEmpty()) return false;
  QTextCursor from = editor.textCursor();
  QTextCursor found = editor.document()->find(request.text, from.selectionEnd(), request.flags);
  if (found.isNull()) return false;
  editor.setTextCursor(found);
  return true;
}

std::string CannotFindText(const QString& text) {
  return "Cannot find \"" + Latin1(text) + "\".";
}

void ReplaceSelection(QPlainTextEdit& editor, const QString& replacement) {
  QTextCursor cursor = editor.textCursor();
  if (!cursor.hasSelection()) return;
  cursor.insertText(replacement);
  editor.setTextCursor(cursor);
}

int ReplaceAll(QPlainTextEdit& editor, const SearchRequest& request, const QString& replacement) {
  int count = 0;
  QTextCursor edit = editor.textCursor();
  edit.beginEditBlock();
  while (FindNext(editor, request)) {
    ReplaceSelection(editor, replacement);
    ++count;
  }
  edit.endEditBlock();
  return count;
}

TNCFindDialog::TNCFindDialog(QPlainTextEdit& editor, Ui& ui, bool replaceMode, QWidget* parent)
    : QDialog(parent), editor_(editor), ui_(ui) {
  setWindowTitle(replaceMode ? "Replace" : "Find");
  setModal(false);
  find_ = new QLineEdit(this);
  matchCase_ = new QCheckBox("Match &case", this);
  wholeWord_ = new QCheckBox("Match &whole word only", this);
  auto* form = new QFormLayout;
  form->addRow("Fi&nd what:", find_);
  auto* buttons = new QVBoxLayout;
  auto* next = new QPushButton("&Find Next", this);
  next->setDefault(true);
  buttons->addWidget(next);
  connect(next, &QPushButton::clicked, this, &TNCFindDialog::FindNextClick);
  if (replaceMode) {
    replace_ = new QLineEdit(this);
    form->addRow("Re&place with:", replace_);
    auto* one = new QPushButton("&Replace", this);
    auto* all = new QPushButton("Replace &All", this);
    buttons->addWidget(one);
    buttons->addWidget(all);
    connect(one, &QPushButton::clicked, this, &TNCFindDialog::ReplaceClick);
    connect(all, &QPushButton::clicked, this, &TNCFindDialog::ReplaceAllClick);
  }
  auto* cancel = new QPushButton("Cancel", this);
  buttons->addWidget(cancel);
  connect(cancel, &QPushButton::clicked, this, &TNCFindDialog::hide);
  form->addRow(matchCase_);
  form->addRow(wholeWord_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

SearchRequest TNCFindDialog::Request() const {
  QTextDocument::FindFlags flags;
  if (matchCase_->isChecked()) flags |= QTextDocument::FindCaseSensitively;
  if (wholeWord_->isChecked()) flags |= QTextDocument::FindWholeWords;
  return {find_->text(), flags};
}

bool TNCFindDialog::FindNextClick() {
  if (FindNext(editor_, Request())) return true;
  ui_.Inform(CannotFindText(find_->text()));
  return false;
}

void TNCFindDialog::ReplaceClick() {
  ReplaceSelection(editor_, replace_->text());
}

void TNCFindDialog::ReplaceAllClick() {
  ReplaceAll(editor_, Request(), replace_->text());
}

}  // namespace quill
