#include "artwork/import_artwork.h"

#include "artwork/artwork_store.h"
#include "artwork/hpgl_import.h"
#include "artwork/tmg_import.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

ArtworkFormat ArtworkFormatOf(const std::string& fileName) {
  auto has = [&](const char* s) { return fileName.find(s) != std::string::npos; };
  if (has(".TMG") || has(".tmg")) return ArtworkFormat::Tmg;
  if (has(".DXF") || has(".dxf")) return ArtworkFormat::Dxf;
  return ArtworkFormat::Hpgl;
}

ImportResult ImportArtwork(Job& job, const std::string& fileName, DxfImportOptions& dxfOptions,
                           const DxfImportWindows& windows, bool replaceTmg) {
  BusyScope busy(job.ui);
  ImportResult result;
  switch (ArtworkFormatOf(fileName)) {
    case ArtworkFormat::Tmg: result = ImportTmg(job, fileName, replaceTmg); break;
    case ArtworkFormat::Dxf:
      result = ImportDxf(job, fileName, false, dxfOptions, windows);
      // A drawing without texts leaves the operator's own text path alone.
      if (result.status == ImportResult::Done && result.texts > 0) ConvertTextPathToArtwork(job);
      break;
    case ArtworkFormat::Hpgl: result = ImportHpgl(job, fileName); break;
  }
  if (result.status != ImportResult::Cancelled) job.flags.ProjectModified = true;
  return result;
}

}  // namespace quill
