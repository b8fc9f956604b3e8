#include "shell/program_icons.h"
#include "stages/nc_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

#include "job/job.h"
#include "nc/editor_recent_files.h"
#include "nc/resequence.h"
#include "shell/latin1.h"
#include "stages/macro_insert.h"
#include "stages/nc_editor_find.h"
#include "stages/reseq_dlg.h"
#include "ui/ui.h"

namespace quill {

TNCEditor::TNCEditor(Job& job, TMacroInsert& macros, QWidget* parent)
    : QMainWindow(parent, Qt::Window), job_(job), macros_(macros) {
  setObjectName("TNCEditor");
  setWindowTitle("QUILLMARK-PRO-2002 NC-Editor");
  text_ = new QPlainTextEdit(this);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFont("Courier New", 10));
  setCentralWidget(text_);
  text_->installEventFilter(this);
  reseq_ = new TRESEQDlg(job.ui, this);
  find_ = new TNCFindDialog(*text_, job.ui, false, this);
  replace_ = new TNCFindDialog(*text_, job.ui, true, this);
  recent_ = ReadEditorRecentFiles(job.paths);
  BuildMenus();
  BuildToolBar();
  UpdateRecentMenu();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    resize(screen->size().width() / 3 * 2, screen->size().height() / 3 * 2);
  }
}

QAction* TNCEditor::AddAction(QMenu* menu, const std::string& name, const char* caption, const QKeySequence& key) {
  QAction* action = menu->addAction(caption);
  if (!key.isEmpty()) action->setShortcut(key);
  actions_[name] = action;
  return action;
}

void TNCEditor::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  connect(AddAction(file, "New", "&New"), &QAction::triggered, this, &TNCEditor::NewFile);
  connect(AddAction(file, "Open", "&Open ..."), &QAction::triggered, this, &TNCEditor::OpenFile);
  connect(AddAction(file, "Save", "&Save"), &QAction::triggered, this, &TNCEditor::SaveFile);
  connect(AddAction(file, "SaveAs", "Save &As ..."), &QAction::triggered, this, &TNCEditor::SaveFileAs);
  connect(AddAction(file, "Print", "&Print ..."), &QAction::triggered, this, &TNCEditor::PrintText);
  connect(AddAction(file, "PrinterSetup", "Prin&ter Setup ..."), &QAction::triggered, this, &TNCEditor::PrinterSetup);
  recentSeparator_ = file->addSeparator();
  for (size_t i = 0; i < recent_.size(); ++i) {
    QAction* a = file->addAction(QString());
    connect(a, &QAction::triggered, this, [this, i] { OpenRecent(i); });
    recentActions_.push_back(a);
  }
  file->addSeparator();
  connect(AddAction(file, "Exit", "E&xit"), &QAction::triggered, this, &TNCEditor::close);

  QMenu* edit = menuBar()->addMenu("&Edit");
  QAction* undo = AddAction(edit, "Undo", "&Undo");
  undo->setEnabled(false);
  connect(undo, &QAction::triggered, text_, &QPlainTextEdit::undo);
  connect(text_, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
  edit->addSeparator();
  connect(AddAction(edit, "Cut", "Cu&t", QKeySequence("Shift+Del")), &QAction::triggered, text_, &QPlainTextEdit::cut);
  connect(AddAction(edit, "Copy", "&Copy", QKeySequence("Ctrl+Ins")), &QAction::triggered, text_,
          &QPlainTextEdit::copy);
  connect(AddAction(edit, "Paste", "&Paste", QKeySequence("Shift+Ins")), &QAction::triggered, text_,
          &QPlainTextEdit::paste);
  connect(AddAction(edit, "Delete", "&Delete", QKeySequence("Ctrl+Del")), &QAction::triggered, this,
          [this] { text_->textCursor().removeSelectedText(); });
  connect(AddAction(edit, "SelectAll", "Se&lect All"), &QAction::triggered, text_, &QPlainTextEdit::selectAll);
  edit->addSeparator();
  connect(AddAction(edit, "TimeDate", "&Time && Date"), &QAction::triggered, this, &TNCEditor::InsertTimeAndDate);
  connect(AddAction(edit, "Macro", "&NC-Code Macro"), &QAction::triggered, this, &TNCEditor::InsertMacro);

  QMenu* search = menuBar()->addMenu("&Search");
  connect(AddAction(search, "Find", "&Find ..."), &QAction::triggered, this, &TNCEditor::FindCommand);
  QAction* next = AddAction(search, "FindNext", "Find &Next", QKeySequence(Qt::Key_F3));
  next->setEnabled(false);
  connect(next, &QAction::triggered, this, &TNCEditor::FindNextCommand);
  connect(AddAction(search, "Replace", "&Replace ..."), &QAction::triggered, this, &TNCEditor::ReplaceCommand);
  QMenu* tools = menuBar()->addMenu("&Tools");
  connect(AddAction(tools, "Resequence", "&Re-sequence"), &QAction::triggered, this, &TNCEditor::ResequenceCommand);

  QMenu* help = menuBar()->addMenu("&Help");
  connect(AddAction(help, "Help", "&Help"), &QAction::triggered, this, [this] {
    if (help_) help_("NC_Editor");
  });
}

void TNCEditor::BuildToolBar() {
  QToolBar* bar = addToolBar("Commands");
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setIconSize(QSize(ButtonIconSize, ButtonIconSize));
  struct Button {
    const char* name;
    const char* hint;
    const char* icon;
  };
  const Button buttons[] = {{"New", "New File", "new"},      {"Open", "Open File", "open"},   {"Save", "Save File", "save"},
                            {"Print", "Print", "print"},      {"Exit", "Exit", "exit"},        {"Undo", "Undo Last Edit", "undo"},
                            {"Cut", "Cut", "cut"},            {"Copy", "Copy", "copy"},        {"Paste", "Paste", "paste"}};
  for (const Button& b : buttons) {
    QAction* a = actions_.at(b.name);
    a->setIcon(ProgramIcon(b.icon));
    bar->addAction(a);
    // The buttons show the command's picture; the hint says it in full.
    bar->widgetForAction(a)->setToolTip(b.hint);
  }
}

void TNCEditor::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  text_->clear();
  text_->document()->setModified(false);
  text_->document()->clearUndoRedoStacks();
  fileName_.clear();
  crlf_ = true;
  SetFileCaption();
}

void TNCEditor::closeEvent(QCloseEvent* event) {
  if (ConfirmDiscard()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TNCEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TNCEditor::ConfirmDiscard() {
  if (!text_->document()->isModified()) return true;
  Message question{
      "File " + fileName_ + " has been modified. Save file?", MsgKind::Warning, BtnYesNoCancel, Answer::Yes, 0, {}};
  switch (job_.ui.Show(question)) {
    case Answer::Cancel: return false;
    case Answer::Yes: return SaveFile();
    default: return true;
  }
}

void TNCEditor::ResequenceCommand() {
  if (reseq_->exec() == QDialog::Accepted) Resequence();
}

void TNCEditor::Resequence() {
  std::optional<ResequenceOptions> options = reseq_->Options();
  if (!options) return;
  BusyScope busy(job_.ui);
  std::vector<std::string> lines;
  for (const QString& line : text_->toPlainText().split('\n')) lines.push_back(Latin1(line));
  ResequenceLines(lines, *options);
  QStringList result;
  for (const std::string& line : lines) result << Latin1(line);
  // Through a cursor, so Undo takes the renumbering back.
  QTextCursor all(text_->document());
  all.select(QTextCursor::Document);
  all.insertText(result.join('\n'));
}

void TNCEditor::FindCommand() {
  actions_.at("FindNext")->setEnabled(true);
  find_->show();
  find_->raise();
}

void TNCEditor::FindNextCommand() {
  find_->FindNextClick();
}

void TNCEditor::ReplaceCommand() {
  replace_->show();
  replace_->raise();
}

void TNCEditor::InsertTimeAndDate() {
  QLocale locale = QLocale::system();
  text_->insertPlainText(QDateTime::currentDateTime().toString(locale.dateTimeFormat(QLocale::ShortFormat)));
}

void TNCEditor::InsertMacro() {
  if (macros_.exec() != QDialog::Accepted) return;
  QString pasted = QApplication::clipboard()->text();
  pasted.replace("\r\n", "\n");
  text_->insertPlainText(pasted);
}

}  // namespace quill
