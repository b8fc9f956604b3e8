// Encoders turn DIB rows (top of the picture first, bytes as stored in the TIFF) into strip data; one per
// compression.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "container/byte_sink.h"

namespace quill::tiff {

class RowEncoder {
 public:
  virtual ~RowEncoder() = default;
  virtual void BeginStrip(ByteSink&) {}
  virtual void EncodeRow(const uint8_t* row, ByteSink& sink) = 0;
  // lastStrip: the page ends with this strip.
  virtual void EndStrip(ByteSink&, bool /*lastStrip*/) {}
};

// compression is the TIFF code (1, 2, 3, 4, 5 or 32773); the CCITT schemes take 1-bit rows.
std::unique_ptr<RowEncoder> MakeRowEncoder(uint32_t compression, uint32_t width, size_t rowBytes);

std::unique_ptr<RowEncoder> MakeLzwEncoder(size_t rowBytes);
std::unique_ptr<RowEncoder> MakeCcittEncoder(uint32_t compression, uint32_t width);

}  // namespace quill::tiff
