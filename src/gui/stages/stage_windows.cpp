// The windows of the stages: text path, tool path (with its sources' windows in toolpath/), depth
// calculator, NC-code generator and its setup, macros, the NC editor with resequencing, and Solid
// Model.  Each is created once, a child of the main window named by its class name, so the main window
// reaches it with mainWindow->findChild<TNCPOSTForm*>("TNCPOSTForm") when it needs more than Open.
#include <QDialog>

#include "app/solid_model.h"
#include "job/job.h"
#include "shell/help_window.h"
#include "shell/qt_ui.h"
#include "shell/window_directory.h"
#include "stages/depth_calculator.h"
#include "stages/gen_text_form.h"
#include "stages/gen_toolpath_dlg.h"
#include "stages/macro_insert.h"
#include "stages/nc_editor.h"
#include "stages/nc_post_form.h"
#include "stages/post_setup.h"
#include "stages/reseq_dlg.h"
#include "stages/toolpath/toolpath_windows.h"

namespace quill {

namespace {

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
  RegisterToolPathWindows(context, mainWindow, toolPath);

  WindowDirectory& windows = context.windows;
  windows.Register("TGenForm", Modal(text));
  windows.Register("TGenTpathDlg", Modal(toolPath));
  windows.Register("TNCPOSTForm", Modeless(nc));
  windows.Register("TPostSetForm", Modal(setup));
  windows.Register("TMacroInsert", Modal(macros));
  // Edit NC-Code File opens the code Start has just written, once.
  windows.Register("TNCEditor", [editor, nc, show = Modeless(editor)](QWidget* parent) {
    int shown = show(parent);
    std::string written = nc->TakeWrittenFile();
    if (!written.empty() && editor->ConfirmDiscard()) editor->LoadFile(written);
    return shown;
  });
  windows.Register("TRESEQDlg", Modal(editor->ResequenceDialog()));
  windows.Register("TSolidModel", [&job](QWidget*) {
    return RunSolidModel(job) ? static_cast<int>(QDialog::Accepted) : static_cast<int>(QDialog::Rejected);
  });
}

}  // namespace quill
