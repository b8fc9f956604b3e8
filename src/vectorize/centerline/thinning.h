// Thinning ink to its one-pixel skeleton: Guo and Hall's two alternating passes peel the ink from its
// edges evenly, so the skeleton runs along the strokes' middles; a last pass takes out the stair pixels
// those passes leave at diagonals, so every skeleton pixel of a plain line has two neighbours.
// Only pixels next to what was just peeled are looked at again, so a pass costs the edge, not the page.
#pragma once

#include "mask.h"

namespace quill::vectorize {

// The skeleton of the mask's ink (8-connected, one pixel wide); pieces keep their connections.
Mask Thin(const Mask& mask);

// The number of 8-connected skeleton neighbours of pixel (x, y).
int NeighbourCount(const Mask& skeleton, int x, int y);

}  // namespace quill::vectorize
