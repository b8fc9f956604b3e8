// The connected pieces of a mask: a flood fill with an explicit stack, so a piece as large as the
// picture never runs out of call stack.
#pragma once

#include <vector>

#include "mask.h"

namespace quill::vectorize {

// Calls visit(pixel indices) for every connected piece of the pixels whose value is `value`: 8-connected
// when eight is true, else 4-connected.
template <class Visit>
void ForEachPiece(const Mask& mask, uint8_t value, bool eight, Visit visit) {
  std::vector<uint8_t> seen(mask.ink.size(), 0);
  std::vector<size_t> piece, stack;
  for (size_t start = 0; start < mask.ink.size(); ++start) {
    if (seen[start] || mask.ink[start] != value) continue;
    piece.clear();
    stack.assign(1, start);
    seen[start] = 1;
    while (!stack.empty()) {
      size_t at = stack.back();
      stack.pop_back();
      piece.push_back(at);
      int x = static_cast<int>(at % static_cast<size_t>(mask.width)),
          y = static_cast<int>(at / static_cast<size_t>(mask.width));
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if ((dx == 0 && dy == 0) || (!eight && dx != 0 && dy != 0) || !mask.Inside(x + dx, y + dy)) continue;
          size_t n = mask.Index(x + dx, y + dy);
          if (!seen[n] && mask.ink[n] == value) {
            seen[n] = 1;
            stack.push_back(n);
          }
        }
      }
    }
    visit(piece);
  }
}

}  // namespace quill::vectorize
