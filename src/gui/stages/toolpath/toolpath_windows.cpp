#include "stages/toolpath/toolpath_windows.h"

#include <memory>

#include "job/job.h"
#include "shell/help_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"
#include "stages/gen_toolpath_dlg.h"
#include "stages/toolpath/bitmap_scan_dlg.h"
#include "stages/toolpath/carve_status.h"
#include "stages/toolpath/raised_letters_dlg.h"
#include "stages/toolpath/ref_frame_dlg.h"
#include "stages/toolpath/surf_proj_form.h"
#include "stages/toolpath/toolpath_plugins.h"

namespace quill {

void RegisterToolPathWindows(DesktopContext& context, QWidget* mainWindow, TGenTpathDlg* toolPath) {
  Job& job = context.job;
  HelpPageOpener help = [&context](const std::string& page) { ShowHelpPage(context, page); };
  auto* frame = new TRefFrameDlg(job, mainWindow);
  auto* surface = new TSurfProjForm(job, toolPath);
  auto* letters = new TRaisedLettersDlg(job, mainWindow);
  auto* scanner = new TDlgBitscan(job, toolPath);
  auto* carving = new Tcarvestat(toolPath);
  frame->SetHelpOpener(help);
  surface->SetHelpOpener(help);
  letters->SetHelpOpener(help);
  scanner->SetHelpOpener(help);
  toolPath->SetPlugins(std::make_unique<DesktopPlugins>(job, surface, scanner, carving));

  WindowDirectory& windows = context.windows;
  windows.Register(window_class::RefFrame, [frame](QWidget*) {
    frame->PrepareForJob();
    return frame->exec();
  });
  windows.Register("TSurfProjForm", Modal(surface));
  windows.Register(window_class::RaisedLetters, Modal(letters));
  windows.Register("TDlgBitscan", Modal(scanner));
}

}  // namespace quill
