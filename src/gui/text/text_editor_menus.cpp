// The text editor's menus and the commands that open choosers or printers.
#include <QFileDialog>
#include <QKeySequence>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include "text/text_editor.h"
#include "text/text_editor_find.h"

namespace quill {
namespace {

constexpr const char* kTextFilter = "Text Files (*.txt);;All Files (*)";

}  // namespace

QAction* TTedForm::AddAction(QMenu* menu, const char* text, std::function<void()> action) {
  QAction* a = menu->addAction(QString::fromLatin1(text));
  a->setObjectName(QString::fromLatin1(text).remove('&'));
  connect(a, &QAction::triggered, this, std::move(action));
  return a;
}

void TTedForm::BuildMenus() {
  BuildFileMenu();
  BuildEditMenu();
  BuildSearchMenu();
  BuildToolsMenu();
  QAction* help = menuBar()->addAction("&Help");
  help->setObjectName("Help");
  connect(help, &QAction::triggered, this, [this] {
    if (help_) help_();
  });
}

void TTedForm::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu("&File");
  AddAction(file, "&New", [this] { FileNew(); });
  AddAction(file, "&Open ...", [this] { ChooseAndOpen(); });
  AddAction(file, "&Save", [this] { FileSave(); });
  AddAction(file, "Save &As ...", [this] { ChooseAndSave(); });
  file->addSeparator();
  AddAction(file, "&Print ...", [this] { Print(); });
  AddAction(file, "Prin&ter Setup ...", [this] { PrinterSetup(); });
  file->addSeparator();
  AddAction(file, "&Return", [this] { showMinimized(); });
}

void TTedForm::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu("&Edit");
  AddAction(edit, "Cu&t", [this] { edit_->cut(); })->setShortcut(QKeySequence("Shift+Del"));
  AddAction(edit, "&Copy", [this] { edit_->copy(); })->setShortcut(QKeySequence("Ctrl+Ins"));
  AddAction(edit, "&Paste", [this] { edit_->paste(); })->setShortcut(QKeySequence("Shift+Ins"));
  AddAction(edit, "&Delete", [this] { edit_->textCursor().removeSelectedText(); })
      ->setShortcut(QKeySequence("Ctrl+Del"));
  edit->addSeparator();
  AddAction(edit, "Se&lect All", [this] { edit_->selectAll(); });
}

void TTedForm::BuildSearchMenu() {
  QMenu* search = menuBar()->addMenu("&Search");
  AddAction(search, "&Find ...", [this] { OpenFind(false); });
  findNext_ = AddAction(search, "Find &Next", [this] { FindNext(find_->What(), find_->Options()); });
  findNext_->setShortcut(QKeySequence(Qt::Key_F3));
  findNext_->setEnabled(false);
  AddAction(search, "&Replace ...", [this] { OpenFind(true); });
}

void TTedForm::BuildToolsMenu() {
  QMenu* tools = menuBar()->addMenu("&Tools");
  AddAction(tools, "Check &Spelling", [this] {
    if (checkSpelling_) checkSpelling_();
  });
  AddAction(tools, "&Time && Date", [this] { InsertTimeAndDate(); });
  AddAction(tools, "S&pecial Character", [this] { InsertSpecialCharacter(); });
  tools->addSeparator();
  AddAction(tools, "&Uppercase All", [this] { ChangeLines(UpperCaseLines); });
  AddAction(tools, "&Lowercase All", [this] { ChangeLines(LowerCaseLines); });
  AddAction(tools, "&Reverse Order", [this] { ChangeLines(ReverseLines); });
  AddAction(tools, "&Character Set", [this] { InsertText(CharacterSetText()); });
}

void TTedForm::OpenFind(bool replace) {
  find_->ShowFor(replace);
  findNext_->setEnabled(true);
}

void TTedForm::ChooseAndOpen() {
  QString path = QFileDialog::getOpenFileName(this, "Open", QString(), kTextFilter);
  if (!path.isEmpty()) FileOpen(path.toStdString());
}

bool TTedForm::ChooseAndSave() {
  QFileDialog chooser(this, "Save As", QString(), kTextFilter);
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  chooser.setDefaultSuffix("TXT");
  if (!fileName_.empty()) chooser.selectFile(QString::fromStdString(fileName_));
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return false;
  return FileSaveAs(chooser.selectedFiles().first().toStdString());
}

void TTedForm::Print() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() == QDialog::Accepted) edit_->print(printer_.get());
}

void TTedForm::PrinterSetup() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  QPageSetupDialog(printer_.get(), this).exec();
}

}  // namespace quill
