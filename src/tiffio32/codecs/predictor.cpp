// Predictor 2 on rows.
#include "codecs/predictor.h"

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
  if (distance == 3) {  // RGB: the running sums stay in registers
    uint8_t r = row[0], g = row[1], b = row[2];
    for (size_t i = 3; i + 2 < bytes; i += 3) {
      row[i] = r = static_cast<uint8_t>(r + row[i]);
      row[i + 1] = g = static_cast<uint8_t>(g + row[i + 1]);
      row[i + 2] = b = static_cast<uint8_t>(b + row[i + 2]);
    }
    return;
  }
  if (distance == 1) {
    uint8_t sum = bytes > 0 ? row[0] : 0;
    for (size_t i = 1; i < bytes; ++i) row[i] = sum = static_cast<uint8_t>(sum + row[i]);
    return;
  }
  for (size_t i = distance; i < bytes; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - distance]);
}

}  // namespace quill::tiff
