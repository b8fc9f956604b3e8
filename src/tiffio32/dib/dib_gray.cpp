#include "dib/dib_gray.h"

#include <cstring>

#include "dib/dib_block.h"
#include "dib/dib_buffer.h"
#include "dib/dib_tone.h"

namespace quill::tiff {

namespace {

HGLOBAL GrayTableCopy(const DibInfo& source) {
  NewDib out(source, source.bits, source.colors);
  if (!out.ok()) return nullptr;
  for (uint32_t i = 0; i < source.colors; ++i) {
    const RGBQUAD& c = source.table[i];
    const uint8_t g = kToneTable[Luminance(c.rgbRed, c.rgbGreen, c.rgbBlue)];
    out.table()[i] = RGBQUAD{g, g, g, 0};
  }
  for (int32_t r = 0; r < source.height; ++r) {
    std::memcpy(out.Row(r), source.pixels + static_cast<size_t>(r) * source.stride, source.stride);
  }
  return out.Release();
}

// Fills one row of gray (one byte a pixel) from a 16-bit or 24-bit row.
void GrayRow(const DibInfo& source, const uint8_t* row, uint8_t* gray) {
  if (source.bits == 16) {
    for (int32_t x = 0; x < source.width; ++x, row += 2) {
      gray[x] = static_cast<uint8_t>((row[0] * 256u + row[1]) * 255u / 65535u);
    }
    return;
  }
  for (int32_t x = 0; x < source.width; ++x, row += 3) gray[x] = Luminance(row[2], row[1], row[0]);
}

void WriteGray(const uint8_t* gray, int32_t width, int bits, uint8_t* row) {
  for (int32_t x = 0; x < width; ++x) {
    const uint8_t g = gray[x];
    if (bits == 8) {
      row[x] = g;
    } else if (bits == 16) {
      const unsigned v = (g / 8u) * 0x421u;
      row[2 * x] = static_cast<uint8_t>(v);
      row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
    } else {
      std::memset(row + 3 * x, g, 3);
    }
  }
}

}  // namespace

HGLOBAL ToGrayscale(const DibInfo& source) {
  if (source.bits == 4 || source.bits == 8) return GrayTableCopy(source);
  return source.bits == 24 ? SixteenBitGray(source, 8) : nullptr;
}

HGLOBAL SixteenBitGray(const DibInfo& source, int bits) {
  if ((source.bits != 16 && source.bits != 24) || (bits != 8 && bits != 16 && bits != 24)) return nullptr;
  NewDib out(source, bits, bits == 8 ? 256 : 0);
  WorkBuffer<uint8_t> gray(source.width);
  if (!out.ok() || !gray.ok()) return nullptr;
  if (bits == 8) SetGrayRamp(out.table(), 256);
  for (int32_t r = 0; r < source.height; ++r) {
    GrayRow(source, source.pixels + static_cast<size_t>(r) * source.stride, gray.get());
    WriteGray(gray.get(), source.width, bits, out.Row(r));
  }
  return out.Release();
}

}  // namespace quill::tiff

extern "C" HGLOBAL ColorToGrayscale(HGLOBAL dib) {
  quill::tiff::InputDib in(dib);
  return in.ok() ? quill::tiff::ToGrayscale(in.info()) : nullptr;
}
