// Reducing a picture to 16 or 256 colours with a median-cut palette (ReduceColorToColor), and the
// colour reduction that picks black and white or the median cut by the colours wanted (ImgReduceColors).
#include "dib/dib_reduce_colors.h"

#include <algorithm>
#include <cstring>

#include "dib/dib_block.h"
#include "dib/dib_buffer.h"
#include "dib/dib_cell_map.h"
#include "dib/dib_dither_bw.h"
#include "dib/dib_error_rows.h"
#include "dib/dib_fixed_palette.h"
#include "dib/dib_gray.h"
#include "dib/dib_layout.h"
#include "dib/dib_median_cut.h"

namespace quill::tiff {

namespace {

enum ReduceFlag : int {
  kDitherFlags = 2 | 4,
  kGrayFlag = 8,
  kFixedPaletteFlag = 16,
};

void CountCells(const DibInfo& source, uint64_t* histogram) {
  if (source.bits == 24) {
    for (int32_t r = 0; r < source.height; ++r) {
      const uint8_t* px = source.pixels + static_cast<size_t>(r) * source.stride;
      for (int32_t x = 0; x < source.width; ++x, px += 3) ++histogram[CellOf(px[2], px[1], px[0])];
    }
    return;
  }
  uint64_t perIndex[256] = {};
  for (int32_t r = 0; r < source.height; ++r) {
    const uint8_t* row = source.pixels + static_cast<size_t>(r) * source.stride;
    for (int32_t x = 0; x < source.width; ++x) ++perIndex[IndexAt(row, x, source.bits)];
  }
  const FullPalette palette(source);
  for (int i = 0; i < 256; ++i) {
    const RGBQUAD& c = palette.entry[i];
    histogram[CellOf(c.rgbRed, c.rgbGreen, c.rgbBlue)] += perIndex[i];
  }
}

// Floyd–Steinberg over the picture from the top: each pixel plus the error it was passed, clamped,
// takes its cell's palette colour and passes on what that colour misses.
class CellDitherer {
 public:
  CellDitherer(CellColorMap& map, const RGBQUAD* colors, int32_t width)
      : map_(map), colors_(colors), width_(width), errors_(width) {}
  bool ok() const { return errors_.ok(); }

  void Row(const uint8_t* bgr, uint8_t* indices) {
    for (int32_t x = 0; x < width_; ++x, bgr += 3) {
      const int32_t* passed = errors_.At(x);
      uint8_t v[3];
      for (int c = 0; c < 3; ++c) v[c] = static_cast<uint8_t>(std::clamp(bgr[c] + passed[c] / 16, 0, 255));
      indices[x] = map_.Lookup(CellOf(v[2], v[1], v[0]));
      const RGBQUAD& got = colors_[indices[x]];
      const int error[3] = {v[0] - got.rgbBlue, v[1] - got.rgbGreen, v[2] - got.rgbRed};
      errors_.Spread(x, 1, error);
    }
    errors_.NextRow();
  }

 private:
  CellColorMap& map_;
  const RGBQUAD* colors_;
  int32_t width_;
  ColorErrorRows errors_;
};

// Writes the picture with the palette's colours (tableSize entries, 16 or 256).
HGLOBAL MapToPalette(const DibInfo& source, MedianCutPalette& palette, int tableSize, bool dither) {
  NewDib out(source, tableSize == 16 ? 4 : 8, static_cast<uint32_t>(tableSize));
  WorkBuffer<uint8_t> bgr(static_cast<size_t>(source.width) * 3);
  WorkBuffer<uint8_t> indices(source.width);
  CellColorMap map(palette.colors, palette.count, palette.cellBox);
  CellDitherer ditherer(map, palette.colors, source.width);
  if (!out.ok() || !bgr.ok() || !indices.ok() || !ditherer.ok()) return nullptr;
  std::copy_n(palette.colors, palette.count, out.table());
  const FullPalette sourcePalette(source);
  uint8_t byIndex[256];
  for (int i = 0; i < 256 && source.bits != 24; ++i) {
    const RGBQUAD& c = sourcePalette.entry[i];
    byIndex[i] = map.Lookup(CellOf(c.rgbRed, c.rgbGreen, c.rgbBlue));
  }
  for (int32_t y = 0; y < source.height; ++y) {
    const uint8_t* row = source.TopRow(y);
    if (dither || source.bits == 24) ExpandBgr(source, sourcePalette, row, bgr.get());
    if (dither) {
      ditherer.Row(bgr.get(), indices.get());
    } else if (source.bits == 24) {
      const uint8_t* px = bgr.get();
      for (int32_t x = 0; x < source.width; ++x, px += 3) indices[x] = map.Lookup(CellOf(px[2], px[1], px[0]));
    } else {
      for (int32_t x = 0; x < source.width; ++x) indices[x] = byIndex[IndexAt(row, x, source.bits)];
    }
    PackIndices(indices.get(), source.width, tableSize == 16 ? 4 : 8, out.TopRow(y));
  }
  return out.Release();
}

bool CanReduce(const DibInfo& source, int colors) {
  if (colors < 1 || colors > 256) return false;
  if (source.bits != 1 && source.bits != 4 && source.bits != 8 && source.bits != 24) return false;
  return source.bits == 24 || source.bits == 8 || source.colors >= static_cast<uint32_t>(colors);
}

}  // namespace

HGLOBAL ReduceColors(const DibInfo& source, int colors, int flags) {
  if (flags & kGrayFlag) return ToGrayscale(source);
  if (!CanReduce(source, colors)) return nullptr;
  const int tableSize = colors <= 16 ? 16 : 256;
  WorkBuffer<MedianCutPalette> palette(1);
  if (!palette.ok()) return nullptr;
  if (flags & kFixedPaletteFlag) {
    FixedPalette(tableSize, palette->colors);
    palette->count = tableSize;
    std::fill_n(palette->cellBox, kCells, kNoBox);
  } else {
    WorkBuffer<uint64_t> histogram(kCells);
    if (!histogram.ok()) return nullptr;
    CountCells(source, histogram.get());
    if (!MakeMedianCutPalette(histogram.get(), colors, palette.get())) return nullptr;
  }
  return MapToPalette(source, *palette.get(), tableSize, (flags & kDitherFlags) != 0);
}

HGLOBAL ReduceDepthColors(const DibInfo& source, int colors, int flags) {
  if (colors == 2) return source.bits == 1 ? nullptr : DitherBlackWhite(source, flags);
  return ReduceColors(source, colors, flags);
}

}  // namespace quill::tiff

extern "C" {

HGLOBAL ReduceColorToColor(HGLOBAL dib, int16_t colors, int16_t flags) {
  quill::tiff::InputDib in(dib);
  return in.ok() ? quill::tiff::ReduceColors(in.info(), colors, flags) : nullptr;
}

HGLOBAL ImgReduceColors(HGLOBAL dib, int16_t colors, int16_t flags) {
  quill::tiff::InputDib in(dib);
  return in.ok() ? quill::tiff::ReduceDepthColors(in.info(), colors, flags) : nullptr;
}

}  // extern "C"
