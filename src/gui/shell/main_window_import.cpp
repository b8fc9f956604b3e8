// Artwork brought in from files: "&Import-Artwork" and the drawing of "&Scan / Trace / Convert".
#include <QDialog>

#include "app/commands_import.h"
#include "artwork/dxf_import_options.h"
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

// The options window remembers the values accepted last; without it they stay here.
DxfImportOptions& TMainform::ImportOptions() {
  if (auto* window = findChild<TDxfImportDlg*>()) return window->Options();
  if (!dxfOptions_) dxfOptions_ = std::make_shared<DxfImportOptions>();
  return *dxfOptions_;
}

DxfImportWindows TMainform::DxfWindows() {
  auto* window = findChild<TDxfImportDlg*>();
  return window ? window->Windows() : DxfImportWindows{};
}

// The traced drawing comes in without the options window, its status shown as any DXF import's.
void TMainform::ScanTraceConvert() {
  if (OpenWindow(window_class::ScanTrace, "Scan / Trace / Convert") != QDialog::Accepted) return;
  if (ImportTracedDrawing(job_, job_.paths.ExeDir + kTracedDrawing, ImportOptions(), DxfWindows())) Extents();
}

void TMainform::ImportArtwork() {
  std::string file = choosers_->OpenFile(this, {}, ImportArtworkFilter, kImportExtension);
  if (file.empty()) return;
  ImportArtworkCommand(job_, file, ImportOptions(), DxfWindows());
  Extents();
}

}  // namespace quill
