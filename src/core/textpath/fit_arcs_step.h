// Replacing every curve block of a line by fitted lines and tangent arcs.
#pragma once

#include "textpath/arcfit_file.h"
#include "textpath/line_work.h"

namespace quill {

class Ui;

// Each block (kind 9, its kind 4 points, kind 10) becomes the records fitted through the arc-fit work
// file; the block markers go.  The window breathes every few hundred records.
void FitLineArcs(Ui& ui, LineWork& line, ArcFitWorkFile& work, double tolerance);

}  // namespace quill
