// Decoders turn a strip's bytes back into stored rows, one row at a time; one per compression.
#pragma once

#include <cstdint>
#include <memory>

#include "container/page_description.h"
#include "container/tiff_io.h"

namespace quill::tiff {

class RowDecoder {
 public:
  virtual ~RowDecoder() = default;
  // Starts the strip at offset; false when the offset lies beyond the data.
  virtual bool BeginStrip(uint32_t offset) = 0;
  // Decodes the next row (rowBytes bytes, as stored; 1 bits white for the CCITT schemes); false on damaged
  // data or a strip that ends early.
  virtual bool DecodeRow(uint8_t* out) = 0;
};

// The decoder for the page's compression, for rows of rowBytes bytes.
std::unique_ptr<RowDecoder> MakeRowDecoder(TiffIo& io, const PageDescription& page, size_t rowBytes);

std::unique_ptr<RowDecoder> MakeRawDecoder(TiffIo& io, size_t rowBytes);
std::unique_ptr<RowDecoder> MakePackBitsDecoder(TiffIo& io, size_t rowBytes);
std::unique_ptr<RowDecoder> MakeLzwDecoder(TiffIo& io, size_t rowBytes);
std::unique_ptr<RowDecoder> MakeCcittDecoder(TiffIo& io, const PageDescription& page);

}  // namespace quill::tiff
