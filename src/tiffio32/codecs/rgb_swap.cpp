// Colour rows of scans are large: on processors with SSSE3 five pixels are turned with one shuffle.
#include "codecs/rgb_swap.h"

#include <utility>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace quill::tiff {
namespace {

void SwapPlainly(uint8_t* row, size_t pixels) {
  for (uint8_t* end = row + 3 * pixels; row < end; row += 3) std::swap(row[0], row[2]);
}

#if defined(__x86_64__)
__attribute__((target("ssse3"))) void SwapShuffled(uint8_t* row, size_t pixels) {
  const __m128i mask = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
  size_t done = 0;
  for (; pixels - done >= 6; done += 5) {  // 16 bytes read and written, the 16th unchanged
    uint8_t* p = row + 3 * done;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p),
                     _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), mask));
  }
  SwapPlainly(row + 3 * done, pixels - done);
}

bool HasShuffle() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}
#endif

}  // namespace

void SwapRedBlue(uint8_t* row, size_t pixels) {
#if defined(__x86_64__)
  if (HasShuffle()) return SwapShuffled(row, pixels);
#endif
  SwapPlainly(row, pixels);
}

}  // namespace quill::tiff
