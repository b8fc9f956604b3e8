// Median-cut palettes: colours counted in cells of 5 bits a component, the occupied cells split into
// boxes of about equal pixel counts, one palette colour a box.
#pragma once

#include <cstdint>

#include "tiffio32.h"

namespace quill::tiff {

constexpr int kCells = 32768;
constexpr uint16_t kNoBox = 0xFFFF;

// The cell of a colour: R5 × 1024 + G5 × 32 + B5.
inline int CellOf(uint8_t red, uint8_t green, uint8_t blue) {
  return (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3;
}
inline uint8_t CellRed(int cell) {
  return static_cast<uint8_t>((cell >> 10) << 3);
}
inline uint8_t CellGreen(int cell) {
  return static_cast<uint8_t>(((cell >> 5) & 31) << 3);
}
inline uint8_t CellBlue(int cell) {
  return static_cast<uint8_t>((cell & 31) << 3);
}

struct MedianCutPalette {
  int count = 0;             // boxes made (at most the colours wanted)
  RGBQUAD colors[256]{};     // palette index k is box k
  uint16_t cellBox[kCells];  // the box whose bounds hold the cell (the later box where they overlap), or kNoBox
};

// Cuts the counted colours (kCells counts) into at most `wanted` (1 to 256) boxes.  False when memory
// for the work runs out.
bool MakeMedianCutPalette(const uint64_t* histogram, int wanted, MedianCutPalette* palette);

}  // namespace quill::tiff
