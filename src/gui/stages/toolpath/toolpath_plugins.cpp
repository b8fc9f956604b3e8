#include "stages/toolpath/toolpath_plugins.h"

#include "stages/toolpath/bitmap_scan_dlg.h"
#include "stages/toolpath/carve_status.h"
#include "stages/toolpath/surf_proj_form.h"
#include "toolpath/carve/carve_text.h"

namespace quill {

ToolPathPlugins DesktopPlugins::ForRun() {
  ToolPathPlugins plugins;
  if (surface_) plugins.projection = &projector_.emplace(job_, surface_->Tolerance());
  if (carving_) {
    plugins.carveText = [window = carving_](Job& job, const ToolPathPass& pass) { CarveText(job, pass, *window); };
  }
  if (scanner_) {
    // Each pass asks again, so the passes of several depths may cut different pictures or areas.
    plugins.bitmapScan = [window = scanner_](Job& job, const ToolPathPass& pass) {
      if (window->Ask()) BitmapScan(job, pass, window->Area(), window->ScanPicture());
    };
  }
  return plugins;
}

}  // namespace quill
