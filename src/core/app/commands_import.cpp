#include "app/commands_import.h"

#include <vector>

#include "artwork/dxf_status.h"
#include "artwork/import_artwork.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

namespace {

bool Report(Job& job, const ImportResult& result, const std::string& fileName,
            const std::vector<std::string>& messages) {
  std::string text;
  switch (result.status) {
    case ImportResult::Done:
    case ImportResult::Cancelled: return result.status == ImportResult::Done;
    case ImportResult::InputUnreadable: text = "Cannot read the file [" + fileName + "]"; break;
    case ImportResult::ArtworkUnwritable:
      text = "Art File access error [" + job.paths.ArtFileName + "]";
      break;
    case ImportResult::NotConverted: text = "The drawing [" + fileName + "] could not be converted"; break;
  }
  for (const std::string& m : messages) text += "\n" + m;
  job.ui.Warn(text);
  return false;
}

}  // namespace

bool ImportArtworkCommand(Job& job, const std::string& fileName, DxfImportOptions& options,
                          const DxfImportWindows& windows) {
  UiDxfStatus status(job.ui);
  DxfImportWindows shown = windows;
  if (!shown.status) shown.status = &status;
  ImportResult result = ImportArtwork(job, fileName, options, shown);
  return Report(job, result, fileName, status.messages);
}

bool ImportTracedDrawing(Job& job, const std::string& fileName, DxfImportOptions& options,
                         const DxfImportWindows& windows) {
  UiDxfStatus status(job.ui);
  ImportResult result = ImportDxf(job, fileName, true, options, {{}, windows.status ? windows.status : &status});
  return Report(job, result, fileName, status.messages);
}

}  // namespace quill
