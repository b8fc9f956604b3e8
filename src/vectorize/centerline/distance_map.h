// How far each ink pixel lies from the nearest paper: the exact Euclidean distance transform
// (Felzenszwalb and Huttenlocher's lower envelope of parabolas, one pass over the columns, one over
// the rows).  Twice the distance at a stroke's middle is the stroke's width.
#pragma once

#include <cstddef>
#include <vector>

#include "mask.h"

namespace quill::vectorize {

struct DistanceMap {
  int width = 0, height = 0;
  std::vector<float> distance;  // pixels; 0 on paper

  float At(int x, int y) const {
    return distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

// Beyond the picture's edge counts as paper.
DistanceMap DistanceToPaper(const Mask& mask);

}  // namespace quill::vectorize
