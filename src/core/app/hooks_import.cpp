#include "app/stages.h"
#include "artwork/artwork_store.h"
#include "artwork/dxf_import.h"
#include "artwork/dxf_status.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

// A drawing named on the command line is imported as the Import-Artwork command imports it: with the
// options window and the status window when there is a screen, else with the options' defaults.
StageStatus ImportDxfArgument(Job& job, const std::string& path, const DxfImportWindows* windows) {
  DxfImportOptions options;
  UiDxfStatus status(job.ui);
  DxfImportWindows shown = windows ? *windows : DxfImportWindows{};
  if (!shown.status) shown.status = &status;
  ImportResult result = ImportDxf(job, path, false, options, shown);
  if (result.status != ImportResult::Done) {
    // Without the status window the reason would go unseen.
    for (const std::string& line : status.messages) job.ui.Status(StatusChannel::General, line);
    return StageStatus::Failed;
  }
  if (result.texts > 0) ConvertTextPathToArtwork(job);
  return StageStatus::Done;
}

}  // namespace quill
