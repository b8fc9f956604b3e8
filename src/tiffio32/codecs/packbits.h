// PackBits (TIFF compression 32773): runs of literal bytes and of one repeated byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quill::tiff {

// The most bytes PackBitsRow writes for n bytes (a lone literal byte between pairs costs two).
constexpr size_t PackBitsBound(size_t n) {
  return n + n / 2 + 2;
}
// Packs one row: literal runs of up to 128 bytes (header n - 1), repeat runs of 2 to 128 bytes (header
// 1 - n).  Returns the bytes written to out.
size_t PackBitsRow(const uint8_t* in, size_t n, uint8_t* out);

}  // namespace quill::tiff
