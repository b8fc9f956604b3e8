// The tool path of the artwork: QUILLART.TMP walked line by line at the pass depth.
#pragma once

#include "toolpath/toolpath_pass.h"

namespace quill {

// Lines and arcs are cut; a piece that starts within 0.001 of where the last one ended goes on
// without lifting the tool.  Moves and kinds the program does not know are passed over.
void ArtworkToolPath(Job& job, const ToolPathPass& pass);

}  // namespace quill
