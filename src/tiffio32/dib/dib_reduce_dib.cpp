// Reducing 24-bit pictures to 16 or 256 colours with an optimised, the fixed or the caller's palette
// (ReduceDib, ReduceDib2), and the dispatchers that first make any palette picture 24-bit (ConvertDib,
// ConvertDib2).  The reduced picture takes the place of the caller's, which is released.
#include <algorithm>
#include <cstdio>

#include "dib/dib_block.h"
#include "dib/dib_error_rows.h"
#include "dib/dib_fixed_palette.h"
#include "dib/dib_layout.h"
#include "dib/dib_quantize.h"
#include "dib/dib_raise.h"

namespace quill::tiff {

namespace {

struct ReduceRequest {
  int depth = 8;  // 8, 4, or 0 for 4 bits with the fixed colours and dither
  int palette = DIB_PALETTE_OPTIMISED;
  const PALETTEENTRY* colors = nullptr;
  int count = 0;
  bool dither = false;
  TiffProgressProc callback = nullptr;
  int32_t user = 0;
};

// The callback sees rows in thirds: counting colours fills the second, mapping them the third.
class RowProgress {
 public:
  RowProgress(const ReduceRequest& request, int32_t height)
      : request_(request), height_(height), every_(std::max<int64_t>(1, 3 * int64_t{height} / 25)) {}

  // False when the caller asks to stop.
  bool At(int32_t row, int third) const {
    if (request_.callback == nullptr || row % every_ != 0) return true;
    const int64_t percent = (static_cast<int64_t>(row) + third * int64_t{height_}) * 100 / (3 * int64_t{height_});
    return request_.callback(static_cast<int32_t>(percent), request_.user) != 0;
  }

 private:
  const ReduceRequest& request_;
  int32_t height_;
  int64_t every_;
};

// Errors passed on beyond 16 count half, and no more than 32 in all, so dither does not streak.
int LimitError(int error) {
  const int size = std::abs(error);
  const int limited = size < 16 ? size : size < 48 ? 16 + (size - 16) / 2 : 32;
  return error < 0 ? -limited : limited;
}

// Maps stored rows from the bottom, every other row right to left, with Floyd–Steinberg dither.
class SerpentineDitherer {
 public:
  SerpentineDitherer(NearestColorMap& map, const RGBQUAD* colors, int32_t width)
      : map_(map), colors_(colors), width_(width), errors_(width) {}
  bool ok() const { return errors_.ok(); }

  void Row(const uint8_t* bgr, bool leftward, uint8_t* indices) {
    const int dir = leftward ? -1 : 1;
    for (int32_t i = 0, x = leftward ? width_ - 1 : 0; i < width_; ++i, x += dir) {
      const int32_t* passed = errors_.At(x);
      uint8_t v[3];
      for (int c = 0; c < 3; ++c) {
        v[c] = static_cast<uint8_t>(std::clamp(bgr[3 * x + c] + LimitError((passed[c] + 8) >> 4), 0, 255));
      }
      indices[x] = map_.Lookup(v[2], v[1], v[0]);
      const RGBQUAD& got = colors_[indices[x]];
      const int error[3] = {v[0] - got.rgbBlue, v[1] - got.rgbGreen, v[2] - got.rgbRed};
      errors_.Spread(x, dir, error);
    }
    errors_.NextRow();
  }

 private:
  NearestColorMap& map_;
  const RGBQUAD* colors_;
  int32_t width_;
  ColorErrorRows errors_;
};

int16_t ChoosePalette(const DibInfo& source, const ReduceRequest& request, int entries, RGBQUAD* colors, int* count) {
  if (request.palette == DIB_PALETTE_SYSTEM || request.depth == 0) {
    FixedPalette(entries, colors);
    *count = entries;
    return DIB_REDUCED;
  }
  if (request.palette == DIB_PALETTE_CALLER) {
    if (request.colors == nullptr || request.count < 1) return DIB_REDUCE_FAILED;
    *count = std::min(request.count, entries);
    for (int i = 0; i < *count; ++i) {
      const PALETTEENTRY& e = request.colors[i];
      colors[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
    return DIB_REDUCED;
  }
  if (request.palette != DIB_PALETTE_OPTIMISED) return DIB_REDUCE_FAILED;
  WorkBuffer<uint16_t> histogram(kQuantCells);
  if (!histogram.ok()) return DIB_NO_WORK_MEMORY;
  const RowProgress progress(request, source.height);
  for (int32_t r = 0; r < source.height; ++r) {
    if (!progress.At(r, 1)) return DIB_REDUCE_FAILED;
    CountQuantCells(source.pixels + static_cast<size_t>(r) * source.stride, source.width, histogram.get());
  }
  if (!OptimisedPalette(histogram.get(), entries, colors, count)) return DIB_NO_WORK_MEMORY;
  return *count > 0 ? DIB_REDUCED : DIB_REDUCE_FAILED;
}

int16_t MapRows(const DibInfo& source, const ReduceRequest& request, NearestColorMap& map, const RGBQUAD* colors,
                NewDib& out, int bits) {
  SerpentineDitherer ditherer(map, colors, source.width);
  WorkBuffer<uint8_t> indices(source.width);
  if (!ditherer.ok() || !indices.ok()) return DIB_NO_WORK_MEMORY;
  const RowProgress progress(request, source.height);
  for (int32_t r = 0; r < source.height; ++r) {
    if (!progress.At(r, 2)) return DIB_REDUCE_FAILED;
    const uint8_t* px = source.pixels + static_cast<size_t>(r) * source.stride;
    if (request.dither) {
      ditherer.Row(px, (r & 1) != 0, indices.get());
    } else {
      for (int32_t x = 0; x < source.width; ++x, px += 3) indices[x] = map.Lookup(px[2], px[1], px[0]);
    }
    PackIndices(indices.get(), source.width, bits, out.Row(r));
  }
  return DIB_REDUCED;
}

int16_t Reduce(const DibInfo& source, const ReduceRequest& request, HGLOBAL* reduced) {
  if (source.bits != 24) return DIB_NOT_24_BIT;
  if (request.depth != 8 && request.depth != 4 && request.depth != 0) return DIB_REDUCE_FAILED;
  const int bits = request.depth == 8 ? 8 : 4;
  const int entries = 1 << bits;
  RGBQUAD colors[256] = {};
  int count = 0;
  const int16_t chosen = ChoosePalette(source, request, entries, colors, &count);
  if (chosen != DIB_REDUCED) return chosen;
  NearestColorMap map(colors, count);
  if (!map.ok()) return DIB_NO_WORK_MEMORY;
  NewDib out(source, bits, static_cast<uint32_t>(entries));
  if (!out.ok()) return DIB_NO_OUTPUT_MEMORY;
  std::copy_n(colors, entries, out.table());
  const int16_t mapped = MapRows(source, request, map, colors, out, bits);
  if (mapped == DIB_REDUCED) *reduced = out.Release();
  return mapped;
}

const char* ReduceMessage(int16_t code) {
  switch (code) {
    case DIB_NO_OUTPUT_MEMORY: return "Not enough memory for the reduced picture.";
    case DIB_NO_WORK_MEMORY: return "Not enough memory for the colour tables.";
    case DIB_NOT_24_BIT: return "Only 24-bit colour pictures can be reduced.";
    default: return "The colours of the picture could not be reduced.";
  }
}

// Reduces the DIB, made 24-bit first when `raise` is set and it is a palette picture.
int16_t ReduceBlock(HGLOBAL dib, const ReduceRequest& request, bool raise, HGLOBAL* reduced) {
  InputDib in(dib);
  if (!in.ok()) return DIB_REDUCE_FAILED;
  if (!raise || in.info().bits > 8) return Reduce(in.info(), request, reduced);
  HGLOBAL raised = RaiseDepth(in.info(), 24);
  if (raised == nullptr) return DIB_NO_WORK_MEMORY;
  int16_t code = DIB_REDUCE_FAILED;
  {
    InputDib deep(raised);
    if (deep.ok()) code = Reduce(deep.info(), request, reduced);
  }
  GlobalFree(raised);
  return code;
}

// On success the caller's block is released and *dib names the reduced one.
int16_t ReduceInPlace(HGLOBAL* dib, ReduceRequest request, bool raise, int16_t report) {
  if (request.depth == 0) request.dither = true;
  HGLOBAL reduced = nullptr;
  const int16_t code = dib != nullptr ? ReduceBlock(*dib, request, raise, &reduced) : DIB_REDUCE_FAILED;
  if (code == DIB_REDUCED) {
    GlobalFree(*dib);
    *dib = reduced;
  } else if (report == 1) {
    std::fprintf(stderr, "Error: %s\n", ReduceMessage(code));
  }
  return code;
}

}  // namespace

}  // namespace quill::tiff

using quill::tiff::ReduceRequest;

extern "C" {

int16_t ReduceDib(HGLOBAL* dib, int16_t depth, int16_t palette, const PALETTEENTRY* colors, int16_t count,
                  int16_t dither, int16_t report) {
  return ReduceDib2(dib, depth, palette, colors, count, dither, report, 0, nullptr);
}

int16_t ReduceDib2(HGLOBAL* dib, int16_t depth, int16_t palette, const PALETTEENTRY* colors, int16_t count,
                   int16_t dither, int16_t report, int32_t user, TiffProgressProc callback) {
  const ReduceRequest request{depth, palette, colors, count, dither != 0, callback, user};
  return quill::tiff::ReduceInPlace(dib, request, false, report);
}

int16_t ConvertDib(HGLOBAL* dib, int16_t depth, int16_t dither, int16_t report) {
  return ConvertDib2(dib, depth, dither, report, 0, nullptr);
}

int16_t ConvertDib2(HGLOBAL* dib, int16_t depth, int16_t dither, int16_t report, int32_t user,
                    TiffProgressProc callback) {
  const ReduceRequest request{depth, DIB_PALETTE_OPTIMISED, nullptr, 0, dither != 0, callback, user};
  return quill::tiff::ReduceInPlace(dib, request, true, report);
}

}  // extern "C"
