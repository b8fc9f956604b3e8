// Outline tracing with potrace's library: the edge of every piece of ink (and of every hole in it) as
// a closed path, as a polygon through potrace's corners or as smooth curves fitted with tangent arcs.
#pragma once

#include <functional>
#include <vector>

#include "mask.h"
#include "traced_path.h"

namespace quill::vectorize {

struct OutlineOptions {
  int speckle = 0;      // pieces and holes of at most this many pixels are left out ("Noise Reduction")
  bool curves = false;  // "Bezier Smoothing": smooth curves; otherwise polygons
};

// progress receives 0 to 1 as the trace goes on.  False from it is not asked for: potrace runs to its end.
std::vector<TracedPath> TraceOutlines(const Mask& mask, const OutlineOptions& options,
                                      const std::function<void(double)>& progress = {});

}  // namespace quill::vectorize
