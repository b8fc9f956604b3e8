#include "app/stages.h"
#include "artwork/artwork_store.h"
#include "artwork/dxf_import.h"
#include "artwork/dxf_status.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

// A drawing named on the command line is imported as the Import-Artwork command imports it, with the
// options' defaults (there is no options window before the main window shows).
StageStatus ImportDxfArgument(Job& job, const std::string& path) {
  DxfImportOptions options;
  UiDxfStatus status(job.ui);
  ImportResult result = ImportDxf(job, path, false, options, {{}, &status});
  if (result.status != ImportResult::Done) {
    // Without the status window the reason would go unseen.
    for (const std::string& line : status.messages) job.ui.Status(StatusChannel::General, line);
    return StageStatus::Failed;
  }
  if (result.texts > 0) ConvertTextPathToArtwork(job);
  return StageStatus::Done;
}

}  // namespace quill
