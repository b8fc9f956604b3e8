// The packed DIB as the conversions see it: a checked description of a header, its colour table and
// its bottom-up rows, and the row helpers every conversion shares.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tiffio32.h"

namespace quill::tiff {

struct DibInfo {
  int32_t width = 0;
  int32_t height = 0;  // rows are stored bottom-up
  int bits = 0;
  uint32_t colors = 0;  // colour-table entries
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  size_t stride = 0;
  const RGBQUAD* table = nullptr;
  const uint8_t* pixels = nullptr;

  // The stored row that shows picture row y, counted from the top.
  const uint8_t* TopRow(int32_t y) const { return pixels + static_cast<size_t>(height - 1 - y) * stride; }
};

// Bytes of one row: padded to a multiple of 4.
size_t DibStride(int32_t width, int bits);

// Colour-table entries that follow the header: biClrUsed when nonzero, else 2^bits for 1 to 8 bits,
// none for deeper pictures.
uint32_t DibColorCount(const BITMAPINFOHEADER& header);

// Checks a packed DIB of `size` bytes (header, table and every row inside the block; a bottom-up,
// uncompressed picture of 1, 4, 8, 16, 24 or 32 bits) and describes it.  False when it is damaged.
bool ParseDib(const void* block, size_t size, DibInfo* info);

// The colour table widened to 256 entries (black past its end), so that any index a row holds can be
// looked up without reading past the table.
struct FullPalette {
  RGBQUAD entry[256];
  explicit FullPalette(const DibInfo& info);
};

// The palette index of pixel x of a 1-, 4- or 8-bit row.
inline uint8_t IndexAt(const uint8_t* row, int32_t x, int bits) {
  switch (bits) {
    case 8: return row[x];
    case 4: return static_cast<uint8_t>((x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4);
    default: return static_cast<uint8_t>((row[x >> 3] >> (7 - (x & 7))) & 1);
  }
}

// One row as blue, green, red triples (width × 3 bytes) from a 1-, 4-, 8- or 24-bit row.
void ExpandBgr(const DibInfo& info, const FullPalette& palette, const uint8_t* row, uint8_t* bgr);

// One row of indices (one byte a pixel) packed into a 1-, 4- or 8-bit row.
void PackIndices(const uint8_t* indices, int32_t width, int bits, uint8_t* row);

}  // namespace quill::tiff
