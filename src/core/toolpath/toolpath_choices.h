// The tool path dialog's choices that the project does not keep, made without the dialog: the
// unattended run keeps the dialog's defaults, `quill run` sets them from its options.  Both write the
// cutter-location file the desktop program writes for the same choices.
#pragma once

#include <optional>
#include <string>

#include "toolpath/scan/bitmap_scan.h"
#include "toolpath/toolpath_options.h"

namespace quill {

class Job;

struct ToolPathChoices {
  std::optional<ToolPathSource> source;  // "Create Tool Path For:"; unset: as the dialog offers it
  bool carveText = false;                // "Carve Text in 3D"
  bool projectOnSurface = false;         // "-Z- Axis Position": "Project on Surface" (the project's keys)
  std::string scanPicture;               // a Windows bitmap loaded first as "Load Bitmap" does
  BitmapScanArea scanArea;               // the "3D Bitmap Scanner" dialog's values
};

// The dialog's options for these choices: the source the dialog offers for what the job holds unless
// one is chosen, one depth pass.
ToolPathOptions OptionsFor(const Job& job, const ToolPathChoices& choices);

// One tool path run.  For the bitmap scan the picture is loaded first when one is named (and kept as
// 3DSCAN.BMP), then the kept picture and the area are checked, all before the file is touched.
bool GenerateChosenToolPath(Job& job, const ToolPathChoices& choices);

}  // namespace quill
