// The raster tracing windows: Scan/Trace/Convert with its own small windows, and the coordinate window
// that asks for the scale point when it is left.
#include <QDialog>

#include "artwork/coordinate_dlg.h"
#include "job/job.h"
#include "raster/scan_form.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

void RegisterRasterWindows(DesktopContext& context, QWidget* mainWindow) {
  HelpPageOpener help = [&context](const std::string& page) { ShowHelpPage(context, page); };
  auto* coordinates = new TCoordinateDlg(context.job.ui, mainWindow);
  coordinates->SetHelpOpener(help);
  auto* scan = new TScanForm(context, *coordinates, mainWindow);
  scan->SetHelpOpener(help);
  auto* main = qobject_cast<TMainform*>(mainWindow);
  // The main picture shows the lines the window added; a drawing to import is the main window's.
  context.windows.Register(window_class::ScanTrace, [scan, main](QWidget*) {
    int result = scan->Run();
    if (main && scan->ArtworkChanged()) main->Refresh();
    return result;
  });
}

}  // namespace quill
