// "Linearize Arcs": every arc of the drawing gives way to chords that stay within a tolerance of it,
// for machines and later steps that want straight segments only.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "artwork/tools/tool_result.h"

namespace quill {

class Ui;

// A tolerance so small that the chords would pass this number is refused rather than filling memory.
inline constexpr size_t MaxLinearizeLines = 5'000'000;

struct LinearizeOptions {
  // "Tolerance To Convert Arcs to Lines": the largest distance between an arc and its chords.
  double tolerance = 0.0001;

  // Empty when the options can be worked; otherwise the message to show.
  std::string Check() const;
};

// The chords of one arc, appended to out: they start at the arc's start point, follow its direction of
// travel (a clockwise arc clockwise from its start at SA to its end at FA) and the last one ends exactly
// at its end point.  Lines have Z 0.  The step angle is 2 arccos(1 - tolerance / R), at most a third of a
// turn, so a circle is at least a triangle.  Needs 0 < tolerance <= 2R.
void ArcChords(const tgEntity& arc, double tolerance, std::vector<tgEntity>& out);

// Every arc taken out of its place and its chords appended at the end, in the order of the arcs; the
// other entities keep their places and flags.  Refused, with nothing changed and the reason shown, for
// a tolerance of 0 or less, an arc without radius, an arc whose diameter is smaller than the tolerance,
// or more than MaxLinearizeLines chords.  Nothing without arcs.
ToolResult LinearizeArcs(Ui& ui, std::span<const tgEntity> entities, const LinearizeOptions& options);

}  // namespace quill
