#include "speckles.h"

#include "pieces.h"

namespace quill::vectorize {

namespace {

bool TouchesEdge(const Mask& mask, const std::vector<size_t>& piece) {
  for (size_t i : piece) {
    int x = static_cast<int>(i % static_cast<size_t>(mask.width)),
        y = static_cast<int>(i / static_cast<size_t>(mask.width));
    if (x == 0 || y == 0 || x == mask.width - 1 || y == mask.height - 1) return true;
  }
  return false;
}

}  // namespace

void RemoveSpeckles(Mask& mask, int maxSpeck, int maxHole) {
  if (maxSpeck > 0) {
    std::vector<size_t> wipe;
    ForEachPiece(mask, 1, true, [&](const std::vector<size_t>& piece) {
      if (piece.size() <= static_cast<size_t>(maxSpeck)) wipe.insert(wipe.end(), piece.begin(), piece.end());
    });
    for (size_t i : wipe) mask.ink[i] = 0;
  }
  if (maxHole > 0) {
    std::vector<size_t> fill;
    ForEachPiece(mask, 0, false, [&](const std::vector<size_t>& piece) {
      if (piece.size() <= static_cast<size_t>(maxHole) && !TouchesEdge(mask, piece)) {
        fill.insert(fill.end(), piece.begin(), piece.end());
      }
    });
    for (size_t i : fill) mask.ink[i] = 1;
  }
}

}  // namespace quill::vectorize
