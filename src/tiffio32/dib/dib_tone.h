// The brightness measures of the conversions: luminance, the tone curve that lightens the dark end
// before black and white, and the ordered-dither matrix.
#pragma once

#include <cstdint>

#include "dib/dib_layout.h"

namespace quill::tiff {

extern const uint8_t kToneTable[256];
// The curve's flat ends: the darkest and lightest fifth or so of luminance tone to these.
constexpr uint8_t kToneBlack = 1;
constexpr uint8_t kToneWhite = 254;
extern const uint8_t kBayer8[8][8];

// (R × 30 + G × 59 + B × 11) / 100
inline uint8_t Luminance(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<uint8_t>((red * 30 + green * 59 + blue * 11) / 100);
}

// The toned luminance of every palette index.
void ToneOfPalette(const FullPalette& palette, uint8_t tone[256]);

}  // namespace quill::tiff
