// The NC editor: a plain-text editor for NC programs with the file commands and their recent-file list,
// the clipboard, find and replace, time and date, macro insertion, printing and block resequencing.
#pragma once

#include <QMainWindow>
#include <memory>

#include "project/recent_projects.h"
#include "shell/help_contexts.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QPrinter;

namespace quill {

class Job;
class TMacroInsert;
class TNCFindDialog;
class TRESEQDlg;

class TNCEditor : public QMainWindow {
  Q_OBJECT

 public:
  TNCEditor(Job& job, TMacroInsert& macros, QWidget* parent = nullptr);
  ~TNCEditor() override;

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  QPlainTextEdit* Editor() const { return text_; }
  TRESEQDlg* ResequenceDialog() const { return reseq_; }
  TNCFindDialog* FindDialog() const { return find_; }
  TNCFindDialog* ReplaceDialog() const { return replace_; }
  QAction* Action(const std::string& name) const { return actions_.at(name); }
  const std::string& FileName() const { return fileName_; }
  const RecentList& RecentFiles() const { return recent_; }

  // Loads a file as Open does once it is chosen; false (after the message) when it cannot be read.
  bool LoadFile(const std::string& path);
  // Writes the text to path; false (after the message) when it cannot be written.
  bool SaveToFile(const std::string& path);
  // Renumbers every line with the options of the resequencing dialog (no dialog).
  void Resequence();
  // The unsaved-changes question; false when the operator cancelled.
  bool ConfirmDiscard();

 public slots:
  void NewFile();
  void OpenFile();
  bool SaveFile();
  bool SaveFileAs();
  void PrintText();
  void PrinterSetup();
  void ResequenceCommand();
  void FindCommand();
  void FindNextCommand();
  void ReplaceCommand();
  void InsertTimeAndDate();
  void InsertMacro();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Ctrl+Del is the editor's Delete command, not the text control's delete-word.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddAction(QMenu* menu, const std::string& name, const char* caption, const QKeySequence& key = {});
  void BuildMenus();
  void BuildToolBar();
  void UpdateRecentMenu();
  void OpenRecent(size_t index);
  void SetFileCaption();
  QString FileFilter() const;
  std::string ChooseFile(bool save);

  Job& job_;
  TMacroInsert& macros_;
  HelpPageOpener help_;
  QPlainTextEdit* text_;
  TRESEQDlg* reseq_;
  TNCFindDialog* find_;
  TNCFindDialog* replace_;
  std::map<std::string, QAction*> actions_;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  std::string fileName_;
  bool crlf_ = true;  // the file's own line ends, kept when it is saved
  RecentList recent_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace quill
