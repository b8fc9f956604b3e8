// Predictor 2 on rows.
#include "predictor.h"

namespace quill::tiff {

void UndoHorizontalDifferencing(uint8_t* row, size_t bytes, uint32_t bitsPerSample, uint32_t samples, bool bigEndian) {
  if (bitsPerSample == 16) {
    const size_t values = bytes / 2, hi = bigEndian ? 0 : 1, lo = 1 - hi;
    for (size_t i = samples; i < values; ++i) {
      uint8_t* p = row + 2 * i;
      const uint8_t* q = p - 2 * size_t{samples};
      unsigned sum = ((p[hi] << 8 | p[lo]) + (q[hi] << 8 | q[lo])) & 0xFFFF;
      p[hi] = static_cast<uint8_t>(sum >> 8);
      p[lo] = static_cast<uint8_t>(sum);
    }
    return;
  }
  const size_t distance = bitsPerSample == 8 ? samples : 1;
  for (size_t i = distance; i < bytes; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - distance]);
}

}  // namespace quill::tiff
