// The bytes of a strip, from its offset to the end of the file, handed to the decoders through a window
// refilled as needed (files in pieces of 32 KB; memory without copying unless the bits must be reversed).
#pragma once

#include <cstdint>
#include <vector>

#include "container/tiff_io.h"

namespace quill::tiff {

class StripSource {
 public:
  // reverseBits: FillOrder 2, the bits of every byte come least significant first.
  StripSource(TiffIo& io, bool reverseBits);

  // The next bytes come from offset; false when it lies beyond the file.
  bool Seek(uint32_t offset);
  // Makes the next bytes available in [cur, end); false when the file has no more.
  bool Refill();
  // Copies n bytes out; false when the file ends first.
  bool Take(uint8_t* out, size_t n);

  const uint8_t* cur = nullptr;
  const uint8_t* end = nullptr;

 private:
  TiffIo& io_;
  const uint8_t* memory_;
  bool reverse_;
  uint64_t next_ = 0;  // file offset of the byte after the window
  std::vector<uint8_t> buffer_;
};

}  // namespace quill::tiff
