#include "stages/macro_insert.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "job/job.h"
#include "nc/machine_list.h"
#include "nc/macro_expand.h"
#include "nc/macro_store.h"
#include "nc/posts_file.h"
#include "nc/posts_write_rules.h"
#include "project/profile.h"
#include "shell/latin1.h"
#include "ui/ui.h"

namespace quill {

TMacroInsert::TMacroInsert(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TMacroInsert");
  setWindowTitle("NC-Code Macros");
  machines_ = new QComboBox(this);
  list_ = new QListWidget(this);
  contents_ = new QPlainTextEdit(this);
  contents_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto button = [this](const char* caption, auto slot) {
    auto* b = new QPushButton(caption, this);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Machine Name", this), 0, 0);
  grid->addWidget(machines_, 0, 1);
  grid->addWidget(new QLabel("Defined Macros", this), 1, 0);
  grid->addWidget(list_, 2, 0);
  grid->addWidget(contents_, 1, 1, 2, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(button("A&dd", &TMacroInsert::AddClick));
  side->addWidget(button("&Edit Name", &TMacroInsert::EditNameClick));
  side->addWidget(button("&Delete", &TMacroInsert::DeleteClick));
  side->addWidget(button("&Save", &TMacroInsert::SaveClick));
  side->addWidget(button("Cu&t", [this] { contents_->cut(); }));
  side->addWidget(button("&Copy", [this] { contents_->copy(); }));
  side->addWidget(button("&Paste", [this] { contents_->paste(); }));
  side->addStretch();
  QPushButton* ok = button("OK", &TMacroInsert::accept);
  ok->setDefault(true);
  side->addWidget(ok);
  side->addWidget(button("Cancel", &TMacroInsert::reject));
  side->addWidget(button("&Help", [this] {
    if (help_) help_("NC_Code_Macro");
  }));
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(grid, 1);
  layout->addLayout(side);

  connect(machines_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    // Edits not saved belong to the machine left; they are dropped with it, never stored under another.
    modified_ = false;
    editedName_.clear();
    contents_->clear();
    FillMacros();
  });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_) MacroChosen(row);
  });
  connect(contents_, &QPlainTextEdit::textChanged, this, [this] {
    if (!filling_) modified_ = true;
  });
}

std::string TMacroInsert::Machine() const {
  return Latin1(machines_->currentText());
}

std::vector<std::string> TMacroInsert::ContentLines() const {
  std::vector<std::string> lines;
  QString text = contents_->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(Latin1(line));
  return lines;
}

void TMacroInsert::ShowContents(const std::vector<std::string>& lines) {
  filling_ = true;
  QStringList text;
  for (const std::string& line : lines) text << Latin1(line);
  contents_->setPlainText(text.join('\n'));
  filling_ = false;
}

void TMacroInsert::SelectRow(int row) {
  filling_ = true;
  list_->setCurrentRow(row);
  filling_ = false;
}

void TMacroInsert::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  editedName_.clear();
  insertText_.clear();
  filling_ = true;
  machines_->clear();
  for (const std::string& m : ReadMachineList(ProfileFile(PostsFileToRead(job_.paths)))) {
    machines_->addItem(Latin1(m));
  }
  std::string wanted = ProfileFile(job_.paths.IniFileName).ReadString("DEFAULTS", "DEFMCH", "DMILL");
  machines_->setCurrentIndex(
      std::max(0, FindMachine(ReadMachineList(ProfileFile(PostsFileToRead(job_.paths))), wanted)));
  filling_ = false;
  ShowContents({});
  FillMacros();
  modified_ = false;
}

void TMacroInsert::FillMacros() {
  filling_ = true;
  list_->clear();
  for (const std::string& m : ListMacros(ProfileFile(PostsFileToRead(job_.paths)), Machine()))
    list_->addItem(Latin1(m));
  list_->setCurrentRow(-1);
  filling_ = false;
}

bool TMacroInsert::SaveEdited() {
  if (editedName_.empty()) return true;
  ProfileFile current(PostsFileToRead(job_.paths));
  if (FindMacroSlot(current, Machine(), editedName_) == 0 &&
      ListMacros(current, Machine()).size() >= static_cast<size_t>(ListedMacroSlots)) {
    job_.ui.Error("Cannot Save Macro [" + editedName_ + "]: all " + std::to_string(ListedMacroSlots) +
                  " Macro Slots of this Machine are in Use");
    return false;
  }
  std::vector<std::string> lines = ContentLines();
  if (!WritePostsFile(job_, [&](ProfileFile& posts) { return SaveMacro(posts, Machine(), editedName_, lines); })) {
    return false;
  }
  modified_ = false;
  return true;
}

void TMacroInsert::SaveIfModified() {
  if (modified_) SaveEdited();
}

void TMacroInsert::MacroChosen(int row) {
  SaveIfModified();
  if (row < 0) return;
  editedName_ = Latin1(list_->item(row)->text());
  ShowContents(FindMacroLines(ProfileFile(PostsFileToRead(job_.paths)), Machine(), editedName_));
  modified_ = false;
}

void TMacroInsert::AddClick() {
  // Edits of the macro shown are kept before the new one takes the contents box.
  SaveIfModified();
  std::string name = "New Macro";
  if (!job_.ui.Input("Enter a New Macro Name", "NC-Code macros", name)) name = "New Macro";
  list_->addItem(Latin1(name));
  SelectRow(list_->count() - 1);
  ShowContents({});
  editedName_ = name;
  modified_ = true;
}

void TMacroInsert::EditNameClick() {
  if (list_->currentRow() < 0) return;
  std::string old = Latin1(list_->currentItem()->text());
  std::string name = old;
  if (!job_.ui.Input("New Macro Description", "NC-Code Macros", name) || name == old) return;
  std::vector<std::string> lines = ContentLines();
  if (!WritePostsFile(job_, [&](ProfileFile& posts) { return DeleteMacro(posts, Machine(), old); })) return;
  list_->currentItem()->setText(Latin1(name));
  editedName_ = name;
  SaveEdited();
}

void TMacroInsert::DeleteClick() {
  if (list_->currentRow() < 0) return;
  Message question{"Delete Current Macro ?", MsgKind::Confirmation, BtnYesNo, Answer::No, 0, {}};
  if (job_.ui.Show(question) == Answer::No) return;
  std::string name = Latin1(list_->currentItem()->text());
  if (!WritePostsFile(job_, [&](ProfileFile& posts) { return DeleteMacro(posts, Machine(), name); })) return;
  filling_ = true;
  delete list_->takeItem(list_->currentRow());
  list_->setCurrentRow(-1);
  filling_ = false;
  ShowContents({});
  editedName_.clear();
  modified_ = false;
}

void TMacroInsert::SaveClick() {
  if (list_->currentRow() >= 0) SaveEdited();
}

void TMacroInsert::accept() {
  if (list_->currentRow() < 0) {
    QDialog::reject();
    return;
  }
  if (modified_ && !SaveEdited()) return;
  insertText_ = MacroInsertText(job_.ui, ContentLines());
  QApplication::clipboard()->setText(Latin1(insertText_));
  QDialog::accept();
}

}  // namespace quill
