// The windows of the settings and the text to engrave: settings (modeless), preferences (modal), the
// text editor with its special characters and spelling check (shown at normal size), serial numbers and
// the data merge (modeless) and text effects (modal).

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include "job/job.h"
#include "shell/help_window.h"
#include "shell/window_directory.h"
#include "stages/gen_toolpath_dlg.h"
#include "text/merge_data_dlg.h"
#include "text/prefs_dialog.h"
#include "text/serial_numbers.h"
#include "text/settings_dialog.h"
#include "text/special_chars.h"
#include "text/spell_check.h"
#include "text/text_editor.h"
#include "text/text_effects.h"
#include "ui/ui.h"

namespace quill {
namespace {

// The dictionary of the desktop's language when one is installed, else American English.
std::unique_ptr<Speller> OpenDictionary() {
  std::string language = QLocale::system().name().toStdString();
  if (auto speller = OpenHunspell(QUILL_HUNSPELL_DIR, language)) return speller;
  return OpenHunspell(QUILL_HUNSPELL_DIR, "en_US");
}

// The tool path dialog in serial mode: the operator checks the tool, OK only collects the choices.
std::optional<ToolPathRun> AskSerialToolPath(Job& job, QWidget* mainWindow) {
  auto* toolPath = mainWindow->findChild<TGenTpathDlg*>();
  if (!toolPath) {
    job.ui.Inform("The tool path dialog is not available yet");
    return std::nullopt;
  }
  toolPath->SetSerialMode(true);
  int result = toolPath->exec();
  toolPath->SetSerialMode(false);
  if (result != QDialog::Accepted) return std::nullopt;
  return ToolPathRun{toolPath->Options(), toolPath->RunPlugins()};
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

void RegisterTextWindows(DesktopContext& context, QWidget* mainWindow) {
  Job& job = context.job;
  auto* settings = new TSettingsDlg(job, mainWindow);
  auto* effects = new TTextEffectsDlg(job, settings);
  auto* prefs = new TPrefsDlg(job, mainWindow);
  auto* special = new TSpecialCharDlg(job, mainWindow);
  auto* serial = new TSerialNumDlg(job, mainWindow);
  auto* merge = new TMergeDataDlg(job, mainWindow);
  TTedForm* editor = MakeEditor(context, mainWindow, special);
  settings->SetHelp([&context] { ShowHelpContext(context, 1); });
  settings->SetTextEffects([effects] { effects->exec(); });
  effects->SetHelp([&context] { ShowHelpPage(context, "Text_Effects"); });
  prefs->SetHelp([&context] { ShowHelpContext(context, 3); });
  special->SetHelp([&context] { ShowHelpPage(context, "Special_Characters"); });
  serial->SetHelp([&context] { ShowHelpPage(context, "Serial_Numbers"); });
  serial->SetToolPathAsker([&job, mainWindow] { return AskSerialToolPath(job, mainWindow); });
  merge->SetHelp([&context] { ShowHelpPage(context, "Merge_Data"); });
  merge->SetToolPathAsker([&job, mainWindow] { return AskSerialToolPath(job, mainWindow); });
  FollowTheJob(editor, settings);

  WindowDirectory& windows = context.windows;
  windows.Register("TSettingsDlg", Modeless(settings, true));
  windows.Register("TPrefsDlg", Modal(prefs));
  windows.Register("TTedForm", Modeless(editor, true));
  windows.Register("TSerialNumDlg", Modeless(serial, true));
  windows.Register("TMergeDataDlg", Modeless(merge, true));
  windows.Register("TSpecialCharDlg", Modal(special));
  windows.Register("TTextEffectsDlg", Modal(effects));
}

}  // namespace quill
