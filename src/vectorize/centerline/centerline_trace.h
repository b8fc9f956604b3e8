// "Centerlines Only": one line along the middle of each stroke, as an engraver cuts a signature or a
// single-line logo, instead of two around it.  The ink is thinned to its skeleton, followed into
// chains, cleared of spurs, joined across small gaps, simplified and fitted with arcs.
#pragma once

#include <functional>
#include <vector>

#include "mask.h"
#include "traced_path.h"

namespace quill::vectorize {

struct CenterlineOptions {
  int speckle = 0;             // specks and pinholes of at most this many pixels go first
  double gap = 0;              // free ends at most this far apart (pixels) that face each other are joined
  double maxStrokeWidth = 50;  // wider pieces of ink are no strokes: they go to `wide` for outlining
  bool curves = false;         // tangent arcs through the smoothed chains; otherwise straight segments
};

struct CenterlineTrace {
  std::vector<TracedPath> lines;
  Mask wide;  // the pieces too wide to be strokes (empty when there are none)
};

// progress receives 0 to 1 as the trace goes on.
CenterlineTrace TraceCenterlines(Mask mask, const CenterlineOptions& options,
                                 const std::function<void(double)>& progress = {});

}  // namespace quill::vectorize
