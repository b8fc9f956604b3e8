// From a page's stored rows to DIB rows: the DIB's depth and colour table, and each row's samples moved
// into the DIB's layout (sub-byte gray widened to nibbles or bytes, deep gray as 16-bit big-endian, colour
// as BGR, extra samples dropped, CMYK made RGB).
#pragma once

#include <cstdint>
#include <vector>

#include "container/page_description.h"
#include "tiffio32.h"

namespace quill::tiff {

class RowShaper {
 public:
  RowShaper(const PageDescription& page, bool bigEndian);

  uint16_t DibBits() const { return dibBits_; }
  // The DIB's colour table: 2, 16 or 256 entries, none above 8 bits.
  std::vector<RGBQUAD> ColorTable() const;
  // Moves one stored row (all samples of each pixel together) into a DIB row.
  void Shape(const uint8_t* stored, uint8_t* dib) const;
  // True when a stored row fits a DIB row and needs at most a change in place (ShapeInPlace): 1-, 4- and
  // 8-bit samples, and plain 8-bit RGB.
  bool InPlace() const;
  void ShapeInPlace(uint8_t* row) const;

 private:
  void WidenGray(const uint8_t* stored, uint8_t* dib) const;
  void ShapeSamples(const uint8_t* stored, uint8_t* dib) const;

  const PageDescription& page_;
  bool big_;
  uint16_t dibBits_;
};

// Pels per metre from a TIFF resolution (inch units by 39.37, any other by 100).
int32_t PelsPerMeter(uint32_t numerator, uint32_t denominator, uint32_t unit);

}  // namespace quill::tiff
