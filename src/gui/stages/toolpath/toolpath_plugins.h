// The windows behind the tool path run's plug-in points: the carving window shows the carving's two
// bars and its Cancel, the scanner asks the picture and area of every scan pass, and projection takes
// the tolerance of "Surface Projections".  With them the desktop program writes the cutter-location
// file `quill run` writes for the same choices.
#pragma once

#include <optional>

#include "toolpath/surface/surface_projector.h"
#include "toolpath/toolpath_options.h"
#include "toolpath/toolpath_pass.h"

namespace quill {

class Job;
class Tcarvestat;
class TDlgBitscan;
class TSurfProjForm;

class DesktopPlugins {
 public:
  // A window that is missing leaves its plug-in to the program's own (carving, projection) or
  // unavailable (the scan).
  DesktopPlugins(Job& job, TSurfProjForm* surface, TDlgBitscan* scanner, Tcarvestat* carving)
      : job_(job), surface_(surface), scanner_(scanner), carving_(carving) {}

  // The plug-ins of the next run; they stay good until the next call.
  ToolPathPlugins ForRun();

 private:
  Job& job_;
  TSurfProjForm* surface_;
  TDlgBitscan* scanner_;
  Tcarvestat* carving_;
  std::optional<SurfaceProjector> projector_;
};

// The tool path dialog's choices for a run that the serial numbers or the data merge make.
struct ToolPathRun {
  ToolPathOptions options;
  ToolPathPlugins plugins;
};

}  // namespace quill
