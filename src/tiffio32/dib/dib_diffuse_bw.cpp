// Black and white by error diffusion on each colour component (DIB24To1 and the palette forms that
// first make their picture 24-bit).  The picture is diffused as a working copy, two rows at a time.
#include <algorithm>
#include <utility>

#include "dib/dib_block.h"
#include "dib/dib_buffer.h"
#include "dib/dib_layout.h"

namespace quill::tiff {

namespace {

// Each component's share of the error is clamped into its pixel straight away.
inline void AddClamped(int16_t& component, int share) {
  component = static_cast<int16_t>(std::clamp(component + share, 0, 255));
}

// Picture row y as blue, green, red components.
void LoadRow(const DibInfo& source, const FullPalette& palette, int32_t y, uint8_t* bgr, int16_t* row) {
  ExpandBgr(source, palette, source.TopRow(y), bgr);
  std::copy(bgr, bgr + static_cast<size_t>(source.width) * 3, row);
}

inline int Clamped(int value) {
  return std::clamp(value, 0, 255);
}

// Decides a pixel (true white) and gives each component's error.
inline bool Decide(const int v[3], int d[3]) {
  const bool white = v[2] * 77 + v[1] * 151 + v[0] * 28 >= 32768;
  for (int c = 0; c < 3; ++c) d[c] = v[c] - (white ? 255 : 0);
  return white;
}

// Decides the row's pixels and passes each component's error on: 3/8 right, 3/8 below and 1/4
// below-right.  The last row has nothing below; the last pixel nothing to its right.  The pixel to
// the right is carried in v, so each decision waits on no memory round trip.
template <bool kBelow>
void DiffuseRow(const int16_t* row, int16_t* below, int32_t width, uint8_t* white) {
  int v[3] = {row[0], row[1], row[2]}, d[3];
  for (int32_t x = 0; x + 1 < width; ++x) {
    white[x] = Decide(v, d);
    for (int c = 0; c < 3; ++c) {
      v[c] = Clamped(row[3 * x + 3 + c] + 3 * d[c] / 8);
      if constexpr (kBelow) {
        AddClamped(below[3 * x + c], 3 * d[c] / 8);
        AddClamped(below[3 * x + 3 + c], d[c] / 4);
      }
    }
  }
  const int32_t last = width - 1;
  white[last] = Decide(v, d);
  for (int c = 0; c < 3 && kBelow; ++c) AddClamped(below[3 * last + c], 3 * d[c] / 8);
}

HGLOBAL DiffuseBlackWhite(const DibInfo& source) {
  const size_t samples = static_cast<size_t>(source.width) * 3;
  NewDib out(source, 1, 2);
  WorkBuffer<uint8_t> bgr(samples);
  WorkBuffer<int16_t> row(samples);
  WorkBuffer<int16_t> next(samples);
  WorkBuffer<uint8_t> white(source.width);
  if (!out.ok() || !bgr.ok() || !row.ok() || !next.ok() || !white.ok()) return nullptr;
  SetBlackWhiteTable(out.table());
  const FullPalette palette(source);
  LoadRow(source, palette, 0, bgr.get(), row.get());
  for (int32_t y = 0; y < source.height; ++y) {
    const bool last = y + 1 == source.height;
    if (!last) LoadRow(source, palette, y + 1, bgr.get(), next.get());
    if (last) {
      DiffuseRow<false>(row.get(), nullptr, source.width, white.get());
    } else {
      DiffuseRow<true>(row.get(), next.get(), source.width, white.get());
    }
    PackIndices(white.get(), source.width, 1, out.TopRow(y));
    std::swap(row, next);
  }
  return out.Release();
}

// The palette forms pass through the fixed 24-bit steps, which take only 40-byte headers.
HGLOBAL DiffuseFrom(HGLOBAL dib, int bits) {
  InputDib in(dib);
  if (!in.ok() || in.info().bits != bits) return nullptr;
  if (bits != 24 && in.header().biSize != sizeof(BITMAPINFOHEADER)) return nullptr;
  return DiffuseBlackWhite(in.info());
}

}  // namespace

}  // namespace quill::tiff

extern "C" {

HGLOBAL DIB24To1(HGLOBAL dib) {
  return quill::tiff::DiffuseFrom(dib, 24);
}
HGLOBAL DIB8To1(HGLOBAL dib) {
  return quill::tiff::DiffuseFrom(dib, 8);
}
HGLOBAL DIB4To1(HGLOBAL dib) {
  return quill::tiff::DiffuseFrom(dib, 4);
}

}  // extern "C"
