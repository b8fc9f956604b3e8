// "Text to Engrave" (TTedForm): the plain editor of the text to engrave, with its File, Edit, Search and
// Tools menus.  The editor's lines are the job's text: every edit goes straight into it, and a text
// changed elsewhere (a project read, a serial-number run) is shown when the window is shown or
// activated.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/text_editor_rules.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QPrinter;

namespace quill {

class Job;
class TFindReplaceDlg;

class TTedForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TTedForm(Job& job, QWidget* parent = nullptr);
  ~TTedForm() override;

  // What "&Help", "S&pecial Character" (true after OK, the character in the job's buffer) and
  // "Check &Spelling" open.
  void SetHelp(std::function<void()> help) { help_ = std::move(help); }
  void SetSpecialCharacterPicker(std::function<bool()> picker) { pickSpecial_ = std::move(picker); }
  void SetSpellChecker(std::function<void()> checker) { checkSpelling_ = std::move(checker); }

  // Shows the job's text when it was changed elsewhere.
  void ShowJobText();
  QPlainTextEdit* Editor() const { return edit_; }
  const std::string& FileName() const { return fileName_; }
  TFindReplaceDlg* FindDialog() const { return find_; }

  // The menu commands.
  void FileNew();
  bool FileOpen(const std::string& path);
  bool FileSave();
  bool FileSaveAs(const std::string& path);
  void InsertText(const std::string& text);
  void InsertTimeAndDate();
  void InsertSpecialCharacter();
  // Upper case, lower case or reversal of every line.
  void ChangeLines(void (*change)(std::vector<std::string>&));
  // The whole text, lines joined by "\n"; ReplaceText puts a new one in as one step that Undo takes back.
  std::string PlainText() const;
  void ReplaceText(const std::string& text);
  // Search from the selection; selects the match or shows "Cannot find ...".
  bool FindNext(const std::string& what, const FindOptions& options);
  void Replace(const std::string& what, const std::string& with, const FindOptions& options, bool all);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildSearchMenu();
  void BuildToolsMenu();
  QAction* AddAction(QMenu* menu, const char* text, std::function<void()> action);
  void TextEdited();
  void SetLines(const std::vector<std::string>& lines);
  void SetFileName(const std::string& name);
  void ChooseAndOpen();
  bool ChooseAndSave();
  void Print();
  void PrinterSetup();
  void OpenFind(bool replace);

  Job& job_;
  QPlainTextEdit* edit_;
  TFindReplaceDlg* find_ = nullptr;
  QAction* findNext_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  std::string fileName_;
  std::function<void()> help_, checkSpelling_;
  std::function<bool()> pickSpecial_;
  bool settingText_ = false;
};

}  // namespace quill
