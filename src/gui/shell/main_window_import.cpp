// Artwork brought in from files: "&Import-Artwork" and the drawing of "&Scan / Trace / Convert".
#include <QDialog>

#include "app/commands_import.h"
#include "artwork/dxf_import.h"
#include "artwork/import_artwork.h"
#include "job/job.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

// The vectorizer's result in the program home.
constexpr const char* kTracedDrawing = "QP2008R2V.DXF";
constexpr const char* kImportExtension = "HGL";

}  // namespace

DxfImportOptions& TMainform::ImportOptions() {
  if (!dxfOptions_) dxfOptions_ = std::make_shared<DxfImportOptions>();
  return *dxfOptions_;
}

void TMainform::ScanTraceConvert() {
  if (OpenWindow(window_class::ScanTrace, "Scan / Trace / Convert") != QDialog::Accepted) return;
  if (ImportTracedDrawing(job_, job_.paths.ExeDir + kTracedDrawing, ImportOptions())) Extents();
}

void TMainform::ImportArtwork() {
  std::string file = choosers_->OpenFile(this, {}, ImportArtworkFilter, kImportExtension);
  if (file.empty()) return;
  ImportArtworkCommand(job_, file, ImportOptions(), {});
  Extents();
}

}  // namespace quill
