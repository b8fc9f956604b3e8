// The arc-fit work file (QMARCFIT.TMP): the tangent arcs fitted to one curve block, as text path records.
#pragma once

#include <span>
#include <string>

#include "mathlib/curves.h"

namespace quill {

// Fits lines and tangent arcs to the points within the tolerance and rewrites the file with them (kinds
// 4, 5 and 6; the first a line to the first point).  False when the file cannot be written.
bool FitTangentArcsToFile(const std::string& arcFitFile, std::span<const CurvePoint> points, double tolerance);

}  // namespace quill
