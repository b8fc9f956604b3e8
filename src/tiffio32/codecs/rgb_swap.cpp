// Colour rows of scans are large: on processors with SSSE3 five pixels are turned with one shuffle.
// Each block of sixteen bytes is loaded before the block before it is stored: the two overlap by a byte,
// and a load that waited for that store would stall on every block.
#include "codecs/rgb_swap.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace quill::tiff {
namespace {

void SwapPlainly(const uint8_t* from, uint8_t* to, size_t pixels) {
  for (size_t i = 0; i < 3 * pixels; i += 3) {
    const uint8_t red = from[i], green = from[i + 1], blue = from[i + 2];
    to[i] = blue;
    to[i + 1] = green;
    to[i + 2] = red;
  }
}

#if defined(__x86_64__)
__attribute__((target("ssse3"))) void SwapShuffled(const uint8_t* from, uint8_t* to, size_t pixels) {
  const __m128i mask = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
  size_t done = 0;
  if (pixels >= 6) {  // 16 bytes read and written a block, the 16th unchanged
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    for (; pixels - done >= 11; done += 5) {
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 3 * done + 15));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 3 * done), _mm_shuffle_epi8(block, mask));
      block = next;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 3 * done), _mm_shuffle_epi8(block, mask));
    done += 5;
  }
  SwapPlainly(from + 3 * done, to + 3 * done, pixels - done);
}

bool HasShuffle() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}
#endif

}  // namespace

void SwapRedBlue(const uint8_t* from, uint8_t* to, size_t pixels) {
#if defined(__x86_64__)
  if (HasShuffle()) return SwapShuffled(from, to, pixels);
#endif
  SwapPlainly(from, to, pixels);
}

}  // namespace quill::tiff
