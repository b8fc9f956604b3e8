// The artwork windows: the Art Workshop with its small windows, and the DXF import windows the main
// window and the workshop share ("DXF - Import" and "DXF Import Status").
#include <QDialog>

#include "artwork/art_workshop.h"
#include "artwork/dxf_import_options.h"
#include "artwork/dxf_status_form.h"
#include "job/job.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

void RegisterArtworkWindows(DesktopContext& context, QWidget* mainWindow) {
  HelpPageOpener help = [&context](const std::string& page) { ShowHelpPage(context, page); };
  auto* status = new DxfStatusForm(mainWindow);
  status->SetHelpOpener(help);
  auto* dxfImport = new TDxfImportDlg(context.job, *status, mainWindow);
  dxfImport->SetHelpOpener(help);
  auto* workshop = new TArtWorkshop(context, *dxfImport, mainWindow);
  context.windows.Register(window_class::ArtWorkshop, [workshop](QWidget*) {
    workshop->Open();
    return static_cast<int>(QDialog::Accepted);
  });
  // The main picture shows what the workshop saved.
  if (auto* main = qobject_cast<TMainform*>(mainWindow)) workshop->OnClosed([main] { main->Refresh(); });
}

}  // namespace quill
