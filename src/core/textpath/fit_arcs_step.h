// Replacing every curve block of a line by fitted lines and tangent arcs.
#pragma once

#include <string>

#include "textpath/line_work.h"

namespace quill {

class Ui;

// Each block (kind 9, its kind 4 points, kind 10) becomes the records fitted through QMARCFIT.TMP; the
// block markers go.  The window breathes after every record.
void FitLineArcs(Ui& ui, LineWork& line, const std::string& arcFitFile, double tolerance);

}  // namespace quill
