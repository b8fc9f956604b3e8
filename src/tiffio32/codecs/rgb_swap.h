// Exchanging the first and third byte of every three: RGB rows to the DIB's BGR and back.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quill::tiff {

void SwapRedBlue(uint8_t* row, size_t pixels);

}  // namespace quill::tiff
