// Exchanging the first and third byte of every three: RGB rows to the DIB's BGR and back.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quill::tiff {

// Writes the pixels of `from` with red and blue exchanged to `to`, which may be `from` itself.
void SwapRedBlue(const uint8_t* from, uint8_t* to, size_t pixels);
inline void SwapRedBlue(uint8_t* row, size_t pixels) {
  SwapRedBlue(row, row, pixels);
}

}  // namespace quill::tiff
