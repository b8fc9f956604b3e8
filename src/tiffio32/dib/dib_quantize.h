// Two-pass reduction of 24-bit pictures to a palette of 16 or 256: colours counted in cells of 5 bits
// red, 6 green and 5 blue; an optimised palette cut from the occupied cells; and the nearest palette
// colour of each cell, weighted for the eye.
#pragma once

#include <cstdint>

#include "dib/dib_buffer.h"
#include "tiffio32.h"

namespace quill::tiff {

constexpr int kQuantCells = 65536;

inline int QuantCell(uint8_t red, uint8_t green, uint8_t blue) {
  return (red >> 3) << 11 | (green >> 2) << 5 | blue >> 3;
}

// Counts one row of blue, green, red triples; counts stop at 65,535.
void CountQuantCells(const uint8_t* bgr, int32_t width, uint16_t* histogram);

// Cuts the counted cells into at most `wanted` boxes and returns their count, each box's colour the
// count-weighted mean of its cells' centres.  False when memory for the work runs out.
bool OptimisedPalette(const uint16_t* histogram, int wanted, RGBQUAD* colors, int* count);

// The palette colour nearest each cell by 4 × red² + 9 × green² + blue², found a block of cells at a
// time and remembered.
class NearestColorMap {
 public:
  NearestColorMap(const RGBQUAD* colors, int count);
  bool ok() const { return cache_.ok(); }

  uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue) {
    const int cell = QuantCell(red, green, blue);
    if (cache_[cell] == 0) FillBlock(cell);
    return static_cast<uint8_t>(cache_[cell] - 1);
  }

 private:
  void FillBlock(int cell);

  const RGBQUAD* colors_;
  int count_;
  WorkBuffer<uint16_t> cache_;  // palette index + 1; 0 not yet known
};

}  // namespace quill::tiff
