#include "stage_windows_registry.h"

#include <QDialog>

#include "app/solid_model.h"
#include "depth_calculator.h"
#include "gen_text_form.h"
#include "gen_toolpath_dlg.h"
#include "help_window.h"
#include "job/job.h"
#include "macro_insert.h"
#include "nc_editor.h"
#include "nc_post_form.h"
#include "post_setup.h"
#include "qt_ui.h"
#include "reseq_dlg.h"
#include "window_directory.h"

namespace quill {

namespace {

// Modal windows run to their end; modeless ones come to the front.
WindowDirectory::Opener Modal(QDialog* dialog) {
  return [dialog](QWidget*) { return dialog->exec(); };
}

WindowDirectory::Opener Modeless(QWidget* window) {
  return [window](QWidget*) {
    window->show();
    window->raise();
    window->activateWindow();
    return static_cast<int>(QDialog::Accepted);
  };
}

void RouteStageDisplays(QtUi& ui, TGenForm* text, TGenTpathDlg* toolPath, TNCPOSTForm* nc) {
  ui.RouteStatus(
      StatusChannel::TextPathConsole,
      [text](const std::string& t, ConsoleColor color, bool newLine) { text->ConsoleText(t, color, newLine); },
      [text] { text->ClearConsole(); });
  ui.RouteCounter(StatusChannel::ToolPathCounter, [toolPath](long n) { toolPath->ShowCounter(n); });
  ui.RouteCounter(StatusChannel::NcCounter, [nc](long n) { nc->ShowCounter(n); });
}

}  // namespace

void RegisterStageWindows(DesktopContext& context, QWidget* mainWindow) {
  Job& job = context.job;
  HelpPageOpener help = [&context](const std::string& page) { ShowHelpPage(context, page); };
  auto* text = new TGenForm(job, mainWindow);
  auto* toolPath = new TGenTpathDlg(job, mainWindow);
  auto* nc = new TNCPOSTForm(job, mainWindow);
  auto* setup = new TPostSetForm(job, mainWindow);
  auto* macros = new TMacroInsert(job, mainWindow);
  auto* editor = new TNCEditor(job, *macros, mainWindow);
  text->SetHelpOpener(help);
  toolPath->SetHelpOpener(help);
  nc->SetHelpOpener(help);
  setup->SetHelpOpener(help);
  macros->SetHelpOpener(help);
  editor->SetHelpOpener(help);
  toolPath->SetProjectionOpener(
      [&context, toolPath] { context.windows.Open("TSurfProjForm", toolPath, "Surface Projections"); });
  RouteStageDisplays(context.ui, text, toolPath, nc);

  WindowDirectory& windows = context.windows;
  windows.Register("TGenForm", Modal(text));
  windows.Register("TGenTpathDlg", Modal(toolPath));
  windows.Register("TNCPOSTForm", Modeless(nc));
  windows.Register("TPostSetForm", Modal(setup));
  windows.Register("TMacroInsert", Modal(macros));
  windows.Register("TNCEditor", Modeless(editor));
  windows.Register("TRESEQDlg", Modal(editor->ResequenceDialog()));
  windows.Register("TSolidModel", [&job](QWidget*) {
    return RunSolidModel(job) ? static_cast<int>(QDialog::Accepted) : static_cast<int>(QDialog::Rejected);
  });
}

}  // namespace quill
