// Artwork brought in from files: "&Import-Artwork" and the drawing of "&Scan / Trace / Convert".
#include "main_window.h"
#include "main_window_classes.h"
#include "window_directory.h"

namespace quill {

// The importers join the program with the artwork store's import commands.
void TMainform::ScanTraceConvert() {
  OpenWindow(window_class::ScanTrace, "Scan / Trace / Convert");
}

void TMainform::ImportArtwork() {
  OpenWindow("TImportArtwork", "Import-Artwork");
}

}  // namespace quill
