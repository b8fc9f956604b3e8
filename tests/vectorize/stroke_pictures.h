// Pictures drawn from known strokes, for checking what tracing gives back (and for timing it): strokes
// rendered as thick round-ended lines, the engraving fonts' letters as strokes, and the distance
// between two sets of polylines.
#pragma once

#include <string>
#include <vector>

#include "pixels/picture.h"
#include "traced_path.h"

namespace quill::vectorize::test {

using Stroke = std::vector<Point>;

// A white grey picture with the strokes in black, each pixel inked when its centre lies within half
// the width of a stroke (picture units: y up, see traced_path.h).
Picture DrawStrokes(const std::vector<Stroke>& strokes, int width, int height, double strokeWidth);

// The strokes of a text in a font source (a .QXS file): letters cap height units high, set side by
// side from (x, y).
std::vector<Stroke> FontStrokes(const std::string& fontFile, const std::string& text, double capHeight, double x,
                                double y);
// The path of a bundled font source (data/fonts/NAME.QXS) in the source tree at sourceDir.
std::string FontSource(const std::string& sourceDir, const std::string& name);

// The traced paths as strokes, arcs replaced by points at most 0.05 pixels off them.
std::vector<Stroke> PathsAsStrokes(const std::vector<TracedPath>& paths);

// The largest distance from a point of `from` to the nearest point of `to` (both taken every
// 0.25 pixels along their segments).
double DirectedHausdorff(const std::vector<Stroke>& from, const std::vector<Stroke>& to);
double Hausdorff(const std::vector<Stroke>& a, const std::vector<Stroke>& b);

double TotalLength(const std::vector<Stroke>& strokes);

}  // namespace quill::vectorize::test
