// Which palette colour a colour cell takes: the cell's entry when it has one, else the nearest palette
// colour, found once and remembered in the cell's entry.
#pragma once

#include <cstdint>

#include "dib/dib_median_cut.h"
#include "tiffio32.h"

namespace quill::tiff {

class CellColorMap {
 public:
  // colors: count (1 to 256) palette colours; cellIndex: kCells entries, kNoBox where not yet known.
  CellColorMap(const RGBQUAD* colors, int count, uint16_t* cellIndex);

  uint8_t Lookup(int cell) {
    uint16_t& index = cellIndex_[cell];
    if (index == kNoBox) index = Nearest(cell);
    return static_cast<uint8_t>(index);
  }

 private:
  struct Entry {
    int red, green, blue;
    uint16_t index;
  };
  // The least sum of squared component differences, searched outward from the colour nearest in red
  // until red alone is farther than the best found.
  uint16_t Nearest(int cell) const;

  uint16_t* cellIndex_;
  Entry byRed_[256];
  int count_;
};

}  // namespace quill::tiff
