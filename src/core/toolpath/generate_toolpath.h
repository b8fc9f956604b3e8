// One complete tool path run: the text path and the artwork into the cutter-location file QUILLMAR.CL.
#pragma once

#include "toolpath/toolpath_options.h"
#include "toolpath/toolpath_pass.h"

namespace quill {

class Job;

// Writes the rotary radius record, then every depth pass of the chosen sources, then "-999" (not in
// appendMode, where the run goes on the end of the file for the serial-number run).  True when the
// tool path was made; ToolPathCreated says the same.  Refusals are reported through the Ui; every
// refusal of the settings (depth steps, carving's checks, carving with projection, the surface)
// comes before the file is touched.  Carving and projection are the program's own unless the
// plug-ins give others; the bitmap scan needs its plug-in (the scanner dialog or its values).
bool GenerateToolPath(Job& job, const ToolPathOptions& options, bool appendMode, const ToolPathPlugins& plugins = {});

}  // namespace quill
