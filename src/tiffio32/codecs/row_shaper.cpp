// Stored rows to DIB rows.
#include "codecs/row_shaper.h"

#include <algorithm>
#include <cstring>

#include "codecs/rgb_swap.h"

namespace quill::tiff {
namespace {

uint16_t DibBitsFor(const PageDescription& page) {
  if (page.ColorSamples() >= 3) return 24;
  uint32_t bits = page.bitsPerSample;
  if (bits == 1) return 1;
  if (bits <= 4) return 4;
  if (bits <= 8) return 8;
  return 16;
}

// Sample i of a row of packed samples of `bits` bits (most significant first).
uint32_t PackedSample(const uint8_t* row, size_t i, uint32_t bits) {
  uint64_t bit = uint64_t{i} * bits;
  uint32_t value = 0;
  for (uint32_t b = 0; b < bits; ++b, ++bit) value = value << 1 | ((row[bit >> 3] >> (7 - (bit & 7))) & 1);
  return value;
}

}  // namespace

RowShaper::RowShaper(const PageDescription& page, bool bigEndian)
    : page_(page), big_(bigEndian), dibBits_(DibBitsFor(page)) {}

std::vector<RGBQUAD> RowShaper::ColorTable() const {
  if (dibBits_ > 8) return {};
  std::vector<RGBQUAD> table(size_t{1} << dibBits_);
  if (dibBits_ == 1) {
    table[1] = RGBQUAD{255, 255, 255, 0};
    return table;
  }
  const uint32_t values = 1u << std::min<uint32_t>(page_.bitsPerSample, 8);
  const bool useMap =
      !page_.colorMap.empty() && page_.samplesPerPixel == 1 && (dibBits_ == 8 || page_.photometric == 3);
  for (uint32_t i = 0; i < values; ++i) {
    if (useMap) {
      table[i] = RGBQUAD{static_cast<uint8_t>(page_.colorMap[2 * values + i] >> 8),
                         static_cast<uint8_t>(page_.colorMap[values + i] >> 8),
                         static_cast<uint8_t>(page_.colorMap[i] >> 8), 0};
      continue;
    }
    // A gray ramp over the page's own sample range (4-bit pages keep steps of 16).
    uint32_t g = page_.bitsPerSample == 4 ? 16 * i : page_.bitsPerSample >= 8 ? i : i * 255 / (values - 1);
    table[i] = RGBQUAD{static_cast<uint8_t>(g), static_cast<uint8_t>(g), static_cast<uint8_t>(g), 0};
  }
  return table;
}

void RowShaper::Shape(const uint8_t* stored, uint8_t* dib) const {
  const uint32_t bits = page_.bitsPerSample;
  if (page_.samplesPerPixel > 1) {
    ShapeSamples(stored, dib);
  } else if (bits == 1 || bits == 4 || bits == 8) {
    std::memcpy(dib, stored, (uint64_t{page_.width} * bits + 7) / 8);
  } else {
    WidenGray(stored, dib);
  }
}

bool RowShaper::InPlace() const {
  const uint32_t bits = page_.bitsPerSample, spp = page_.samplesPerPixel;
  return (spp == 1 && (bits == 1 || bits == 4 || bits == 8)) || (spp == 3 && bits == 8);
}

void RowShaper::ShapeInPlace(uint8_t* row) const {
  if (page_.samplesPerPixel == 3) SwapRedBlue(row, page_.width);
}

void RowShaper::WidenGray(const uint8_t* stored, uint8_t* dib) const {
  const uint32_t bits = page_.bitsPerSample, width = page_.width;
  if (bits == 16) {
    for (uint32_t x = 0; x < width; ++x) {
      dib[2 * x] = stored[2 * x + (big_ ? 0 : 1)];
      dib[2 * x + 1] = stored[2 * x + (big_ ? 1 : 0)];
    }
  } else if (bits > 8) {  // 9 to 15 bits: spread over the 16-bit range
    for (uint32_t x = 0; x < width; ++x) {
      uint32_t v = PackedSample(stored, x, bits);
      v = (v << (16 - bits)) | (v >> (2 * bits - 16));
      dib[2 * x] = static_cast<uint8_t>(v >> 8);
      dib[2 * x + 1] = static_cast<uint8_t>(v);
    }
  } else if (dibBits_ == 4) {  // 2 or 3 bits: one pixel a nibble
    std::memset(dib, 0, (uint64_t{width} + 1) / 2);
    for (uint32_t x = 0; x < width; ++x)
      dib[x / 2] |= static_cast<uint8_t>(PackedSample(stored, x, bits) << (x & 1 ? 0 : 4));
  } else {  // 5 to 7 bits: one pixel a byte
    for (uint32_t x = 0; x < width; ++x) dib[x] = static_cast<uint8_t>(PackedSample(stored, x, bits));
  }
}

void RowShaper::ShapeSamples(const uint8_t* stored, uint8_t* dib) const {
  const uint32_t spp = page_.samplesPerPixel, width = page_.width;
  const size_t step = page_.bitsPerSample / 8, high = step == 2 && !big_ ? 1 : 0;
  auto sample = [&](uint32_t x, uint32_t s) { return stored[(size_t{x} * spp + s) * step + high]; };
  const uint32_t colours = page_.ColorSamples();
  if (colours == 1 && step == 2) {
    for (uint32_t x = 0; x < width; ++x) {
      dib[2 * x] = sample(x, 0);
      dib[2 * x + 1] = stored[size_t{x} * spp * 2 + (1 - high)];
    }
  } else if (colours == 1) {
    for (uint32_t x = 0; x < width; ++x) dib[x] = sample(x, 0);
  } else if (colours == 3) {
    for (uint32_t x = 0; x < width; ++x) {
      dib[3 * x] = sample(x, 2);
      dib[3 * x + 1] = sample(x, 1);
      dib[3 * x + 2] = sample(x, 0);
    }
  } else {  // CMYK: each colour is what the ink and the black leave of white
    for (uint32_t x = 0; x < width; ++x) {
      const unsigned k = 255u - sample(x, 3);
      dib[3 * x] = static_cast<uint8_t>(k * (255u - sample(x, 2)) / 255);
      dib[3 * x + 1] = static_cast<uint8_t>(k * (255u - sample(x, 1)) / 255);
      dib[3 * x + 2] = static_cast<uint8_t>(k * (255u - sample(x, 0)) / 255);
    }
  }
}

int32_t PelsPerMeter(uint32_t numerator, uint32_t denominator, uint32_t unit) {
  if (denominator == 0) denominator = 1;
  const int64_t product = int64_t{numerator} * (unit == 2 ? 3937 : 10000) / 100;  // 39.37 inches a metre
  return static_cast<int32_t>(std::min<int64_t>(product / denominator, INT32_MAX));
}

}  // namespace quill::tiff
