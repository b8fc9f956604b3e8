// 3D carving of outline text with a cone tool (V-carving): the tool follows the middle of each letter
// stroke and goes as deep as the stroke is wide, up to the tool's diameter.
#pragma once

#include "toolpath/toolpath_pass.h"

namespace quill {

class CarveProgress;

// One pass of carving into the open cutter-location file.  Nothing without a generated text path, and
// nothing when CheckCarving refuses (it says why).  Every character is carved on its own: its outline
// cut into pieces of one step, at the start of every piece the widest circle that fits (up to the tool
// diameter) gives the centre and the depth, straight runs at one depth go out as one move, each closed
// contour ends back at its first point, and the tool goes up after the character.  The depth follows
// the pass: raised by (pass depth - ZDEPTH), never above ZCLEAR.  Cancel ends the character and the
// run, the tool raised; "Tool MAY be too small, please double check the tool path" follows a run in
// which some circle reached the tool's diameter.
void CarveText(Job& job, const ToolPathPass& pass, CarveProgress& progress);
// The same with the progress shown through the job's Ui.
void CarveText(Job& job, const ToolPathPass& pass);

}  // namespace quill
