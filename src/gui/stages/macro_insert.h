// "NC-Code Macros": the macros of each machine, created, renamed, edited and deleted here; OK puts the
// chosen macro, its register prompts filled in, on the clipboard for the NC editor to paste.
#pragma once

#include <QDialog>

#include "shell/help_contexts.h"

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quill {

class Job;

class TMacroInsert : public QDialog {
  Q_OBJECT

 public:
  explicit TMacroInsert(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // The clipboard text OK made (the editor pastes it).
  const std::string& InsertText() const { return insertText_; }
  bool Modified() const { return modified_; }
  const std::string& EditedName() const { return editedName_; }

  QComboBox* MachineBox() const { return machines_; }
  QListWidget* MacroList() const { return list_; }
  QPlainTextEdit* Contents() const { return contents_; }

 public slots:
  void AddClick();
  void EditNameClick();
  void DeleteClick();
  void SaveClick();
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::string Machine() const;
  std::vector<std::string> ContentLines() const;
  void FillMacros();
  void MacroChosen(int row);
  void ShowContents(const std::vector<std::string>& lines);
  // Stores the edited macro under its name; false (after saying why) when no slot was free.
  bool SaveEdited();
  void SaveIfModified();
  void SelectRow(int row);

  Job& job_;
  HelpPageOpener help_;
  QComboBox* machines_;
  QListWidget* list_;
  QPlainTextEdit* contents_;
  std::string editedName_;
  std::string insertText_;
  bool modified_ = false;
  bool filling_ = false;
};

}  // namespace quill
