#include "dialog_windows_registry.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include "gen_toolpath_dlg.h"
#include "help_window.h"
#include "job/job.h"
#include "prefs_dialog.h"
#include "serial_numbers.h"
#include "settings_dialog.h"
#include "special_chars.h"
#include "spell_check.h"
#include "text_editor.h"
#include "text_effects.h"
#include "ui/ui.h"
#include "window_directory.h"

namespace quill {
namespace {

WindowDirectory::Opener Modal(QDialog* dialog) {
  return [dialog](QWidget*) { return dialog->exec(); };
}

int Present(QWidget* window) {
  window->showNormal();
  window->raise();
  window->activateWindow();
  return QDialog::Accepted;
}

// The dictionary of the desktop's language when one is installed, else American English.
std::unique_ptr<Speller> OpenDictionary() {
  std::string language = QLocale::system().name().toStdString();
  if (auto speller = OpenHunspell(QUILL_HUNSPELL_DIR, language)) return speller;
  return OpenHunspell(QUILL_HUNSPELL_DIR, "en_US");
}

// The tool path dialog in serial mode: the operator checks the tool, OK only collects the choices.
std::optional<ToolPathOptions> AskSerialToolPath(Job& job, QWidget* mainWindow) {
  auto* toolPath = mainWindow->findChild<TGenTpathDlg*>();
  if (!toolPath) {
    job.ui.Inform("The tool path dialog is not available yet");
    return std::nullopt;
  }
  toolPath->SetSerialMode(true);
  int result = toolPath->exec();
  toolPath->SetSerialMode(false);
  if (result != QDialog::Accepted) return std::nullopt;
  return toolPath->Options();
}

TTedForm* MakeEditor(DesktopContext& context, QWidget* mainWindow, TSpecialCharDlg* special) {
  auto* editor = new TTedForm(context.job, mainWindow);
  editor->setWindowFlag(Qt::Window);
  editor->SetHelp([&context] { ShowHelpPage(context, "Text_To_Engrave"); });
  editor->SetSpecialCharacterPicker([special] { return special->exec() == QDialog::Accepted; });
  auto* spelling = new TSpellCheckDlg(context.job, editor);
  editor->SetSpellChecker([editor, spelling, loaded = false]() mutable {
    if (!loaded) spelling->SetSpeller(OpenDictionary());
    loaded = true;
    if (auto corrected = spelling->Check(editor->PlainText())) editor->ReplaceText(*corrected);
  });
  return editor;
}

// A project read, a New or a serial-number run changes the job behind the open windows: each shows
// the job again once the focus has moved to a window other than itself and the command that moved it
// (a file chooser closing, say) has finished its work.
void FollowTheJob(TTedForm* editor, TSettingsDlg* settings) {
  QObject::connect(qApp, &QApplication::focusChanged, editor, [editor, settings](QWidget*, QWidget* now) {
    QPointer<QWidget> focus = now;
    QTimer::singleShot(0, editor, [editor, settings, focus] {
      if (editor->isVisible() && !(focus && editor->isAncestorOf(focus))) editor->ShowJobText();
      if (settings->isVisible() && !(focus && settings->isAncestorOf(focus))) settings->Refresh();
    });
  });
}

}  // namespace

void RegisterDialogWindows(DesktopContext& context, QWidget* mainWindow) {
  Job& job = context.job;
  auto* settings = new TSettingsDlg(job, mainWindow);
  auto* effects = new TTextEffectsDlg(job, settings);
  auto* prefs = new TPrefsDlg(job, mainWindow);
  auto* special = new TSpecialCharDlg(job, mainWindow);
  auto* serial = new TSerialNumDlg(job, mainWindow);
  TTedForm* editor = MakeEditor(context, mainWindow, special);
  settings->SetHelp([&context] { ShowHelpContext(context, 1); });
  settings->SetTextEffects([effects] { effects->exec(); });
  effects->SetHelp([&context] { ShowHelpPage(context, "Text_Effects"); });
  prefs->SetHelp([&context] { ShowHelpContext(context, 3); });
  special->SetHelp([&context] { ShowHelpPage(context, "Special_Characters"); });
  serial->SetHelp([&context] { ShowHelpPage(context, "Serial_Numbers"); });
  serial->SetToolPathAsker([&job, mainWindow] { return AskSerialToolPath(job, mainWindow); });
  FollowTheJob(editor, settings);

  WindowDirectory& windows = context.windows;
  windows.Register("TSettingsDlg", [settings](QWidget*) { return Present(settings); });
  windows.Register("TPrefsDlg", Modal(prefs));
  windows.Register("TTedForm", [editor](QWidget*) { return Present(editor); });
  windows.Register("TSerialNumDlg", [serial](QWidget*) { return Present(serial); });
  windows.Register("TSpecialCharDlg", Modal(special));
  windows.Register("TTextEffectsDlg", Modal(effects));
}

}  // namespace quill
