// Horizontal differencing (Predictor 2): each sample stored as its difference from the sample of the
// same kind one pixel to the left.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quill::tiff {

// Undoes the differencing of one row of `bytes` bytes holding `samples` samples a pixel of
// bitsPerSample bits (16-bit samples in the file's byte order; other depths below 8 byte by byte).
void UndoHorizontalDifferencing(uint8_t* row, size_t bytes, uint32_t bitsPerSample, uint32_t samples, bool bigEndian);

}  // namespace quill::tiff
