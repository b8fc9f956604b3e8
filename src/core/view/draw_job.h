// Drawing the job's three results (text path, artwork, tool path) through a Trwindow onto a canvas,
// the same for the screen, a print, an image or a metafile.
#pragma once

#include "view/trwindow.h"

namespace quill {

class Job;

// The text path in TextLineColor (arcs in TextArcColor), when it is generated.
void DrawTextPath(Job& job, Trwindow& view, Canvas& canvas);
// The artwork in ArtColor, when there is artwork.
void DrawArtwork(Job& job, Trwindow& view, Canvas& canvas);
// The tool path, when there is one and ShowToolPath is on.  slow: a pause every 10 records for the eye;
// collectExtents: every tool position widens the view window and its Z the depth range.
void DrawToolPath(Job& job, Trwindow& view, Canvas& canvas, bool slow, bool collectExtents);
// All three, in that order; the view window stays as it is.
void DrawJob(Job& job, Trwindow& view, Canvas& canvas, bool slow);

}  // namespace quill
