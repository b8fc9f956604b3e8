// The tool path dialog's rules that do not depend on its widgets.
#pragma once

#include "toolpath/toolpath_options.h"

namespace quill {

struct EngravingSettings;
struct JobFlags;

// The caption of a source in "Create Tool Path For:".
const char* SourceCaption(ToolPathSource source);

// The source offered when the dialog is shown: "Text Only" with only a text path, "Artwork Only" with
// only artwork, "ArtWork, Then Text" with both; current when the job has neither.
ToolPathSource DefaultSource(const JobFlags& flags, ToolPathSource current);

// "Carve Text in 3D" is offered for every source but "Artwork Only".
bool CarveAllowed(ToolPathSource source);

// "Project on Surface" unticks "Multiple -Z- Depths".
void SetZAxisMode(ToolPathOptions& options, ZAxisMode mode);

// The caption of the TLCR field: "Corner Rad." for the ball, "Tip Angle" otherwise.
const char* ToolAngleCaption(int toolShape);

// Choosing a tool shape: a ball's corner radius is held to half the tool diameter; a cone's tip angle
// above 179.99, or not above the tool diameter, goes back to "60.0000".
void ApplyToolShape(EngravingSettings& s);

// OK of the dialog: a cone's tip angle outside (0, 180) becomes "60.0".
void ApplyToolPathOk(EngravingSettings& s);

}  // namespace quill
