#include "dib/dib_raise.h"

#include <cstring>

#include "dib/dib_block.h"
#include "dib/dib_buffer.h"

namespace quill::tiff {

namespace {

bool IsPaletteDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8;
}

}  // namespace

HGLOBAL RaiseDepth(const DibInfo& source, int bits) {
  if (!IsPaletteDepth(source.bits) || bits <= source.bits || (bits != 4 && bits != 8 && bits != 24)) {
    return nullptr;
  }
  const uint32_t colors = bits == 24 ? 0 : 1u << bits;
  NewDib out(source, bits, colors);
  WorkBuffer<uint8_t> line(static_cast<size_t>(source.width) * 3);
  if (!out.ok() || !line.ok()) return nullptr;
  const FullPalette palette(source);
  if (colors != 0) std::memcpy(out.table(), palette.entry, source.colors * sizeof(RGBQUAD));
  for (int32_t r = 0; r < source.height; ++r) {
    const uint8_t* row = source.pixels + static_cast<size_t>(r) * source.stride;
    if (bits == 24) {
      ExpandBgr(source, palette, row, out.Row(r));
      continue;
    }
    for (int32_t x = 0; x < source.width; ++x) line[x] = IndexAt(row, x, source.bits);
    PackIndices(line.get(), source.width, bits, out.Row(r));
  }
  return out.Release();
}

HGLOBAL IncreaseColors(const DibInfo& source, int bits) {
  constexpr double kIncreaseLimit = 16000000.0;
  const double bytes = static_cast<double>(source.width) * source.height * bits / 8.0;
  return bytes > kIncreaseLimit ? nullptr : RaiseDepth(source, bits);
}

}  // namespace quill::tiff

namespace {

using quill::tiff::InputDib;

// The fixed steps take only plain 40-byte headers of the stated depth.
HGLOBAL FixedStep(HGLOBAL dib, int from, int to) {
  InputDib in(dib);
  if (!in.ok() || in.header().biSize != sizeof(BITMAPINFOHEADER) || in.info().bits != from) return nullptr;
  return quill::tiff::RaiseDepth(in.info(), to);
}

}  // namespace

extern "C" {

HGLOBAL DIB1to4(HGLOBAL dib) {
  return FixedStep(dib, 1, 4);
}
HGLOBAL DIB4To8(HGLOBAL dib) {
  return FixedStep(dib, 4, 8);
}
HGLOBAL DIB8To24(HGLOBAL dib) {
  return FixedStep(dib, 8, 24);
}
// The chained steps give what their single steps in a row would give.
HGLOBAL DIB1To8(HGLOBAL dib) {
  return FixedStep(dib, 1, 8);
}
HGLOBAL DIB1To24(HGLOBAL dib) {
  return FixedStep(dib, 1, 24);
}
HGLOBAL DIB4To24(HGLOBAL dib) {
  return FixedStep(dib, 4, 24);
}

HGLOBAL ImgIncreaseColors(HGLOBAL dib, int16_t bits) {
  InputDib in(dib);
  return in.ok() ? quill::tiff::IncreaseColors(in.info(), bits) : nullptr;
}

}  // extern "C"
