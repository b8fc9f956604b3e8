#include "dib/dib_dither_bw.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "dib/dib_block.h"
#include "dib/dib_buffer.h"
#include "dib/dib_tone.h"

namespace quill::tiff {

namespace {

// Where a pixel's error goes: row 0 this one, 1 the next; dx columns on; weight in parts of the divisor.
struct DiffusionShare {
  int row;
  int dx;
  int weight;
};

struct DiffusionKernel {
  int divisor;
  std::array<DiffusionShare, 7> shares;  // unused ones weigh 0
};

constexpr DiffusionKernel kBurkes{32,
                                  {{{0, 1, 8}, {0, 2, 4}, {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2}}}};
constexpr DiffusionKernel kFloydSteinberg{16, {{{0, 1, 7}, {1, -1, 3}, {1, 0, 5}, {1, 1, 1}}}};

// Turns the toned luminance of one picture row into 0 (black) or 1 (white) a pixel.
class BwRowMaker {
 public:
  BwRowMaker(int flags, int32_t width)
      : method_(ChooseMethod(flags)), width_(width), current_(width + 4), next_(width + 4) {}
  bool ok() const { return current_.ok() && next_.ok(); }

  void Make(const uint8_t* tone, int32_t y, uint8_t* out) {
    switch (method_) {
      case kBwOrdered: Ordered(tone, y, out); break;
      case kBwBurkes: Diffuse<kBurkes>(tone, out); break;
      case kBwFloydSteinberg: Diffuse<kFloydSteinberg>(tone, out); break;
      default:
        for (int32_t x = 0; x < width_; ++x) out[x] = tone[x] >= 128;
    }
  }

 private:
  static int ChooseMethod(int flags) {
    if (flags & kBwOrdered) return kBwOrdered;
    if (flags & kBwBurkes) return kBwBurkes;
    if (flags & kBwFloydSteinberg) return kBwFloydSteinberg;
    return 0;
  }

  // Tones on the curve's flat ends are solid black or white whatever the method: the matrix would
  // leave one pixel in 64 of white paper black, and diffusion would pass on the curve's missing 1.
  static bool Solid(uint8_t tone) { return tone == kToneBlack || tone == kToneWhite; }

  void Ordered(const uint8_t* tone, int32_t y, uint8_t* out) const {
    for (int32_t x = 0; x < width_; ++x) out[x] = tone[x] == kToneWhite || kBayer8[x & 7][y & 7] < tone[x] / 4;
  }

  // Errors sit two cells in from each end of the row buffers, so the spread needs no edge tests.
  template <const DiffusionKernel& kKernel>
  void Diffuse(const uint8_t* tone, uint8_t* out) {
    int32_t* rows[2] = {current_.get() + 2, next_.get() + 2};
    for (int32_t x = 0; x < width_; ++x) {
      if (Solid(tone[x])) {
        out[x] = tone[x] == kToneWhite;
        continue;
      }
      const int v = std::clamp(tone[x] + rows[0][x] / kKernel.divisor, 0, 255);
      out[x] = v >= 128;
      const int e = out[x] ? v - 255 : v;
      for (const DiffusionShare& share : kKernel.shares) rows[share.row][x + share.dx] += share.weight * e;
    }
    NextRow();
  }

  void NextRow() {
    std::swap(current_, next_);
    std::memset(next_.get(), 0, (width_ + 4) * sizeof(int32_t));
  }

  int method_;
  int32_t width_;
  WorkBuffer<int32_t> current_;
  WorkBuffer<int32_t> next_;
};

// The toned luminance of picture row y.
void ToneRow(const DibInfo& source, const uint8_t paletteTone[256], int32_t y, uint8_t* tone) {
  const uint8_t* row = source.TopRow(y);
  if (source.bits == 24) {
    for (int32_t x = 0; x < source.width; ++x, row += 3) tone[x] = kToneTable[Luminance(row[2], row[1], row[0])];
    return;
  }
  for (int32_t x = 0; x < source.width; ++x) tone[x] = paletteTone[IndexAt(row, x, source.bits)];
}

}  // namespace

HGLOBAL DitherBlackWhite(const DibInfo& source, int flags) {
  if (source.bits != 1 && source.bits != 4 && source.bits != 8 && source.bits != 24) return nullptr;
  NewDib out(source, 1, 2);
  BwRowMaker maker(flags, source.width);
  WorkBuffer<uint8_t> tone(source.width);
  WorkBuffer<uint8_t> white(source.width);
  if (!out.ok() || !maker.ok() || !tone.ok() || !white.ok()) return nullptr;
  SetBlackWhiteTable(out.table());
  uint8_t paletteTone[256];
  ToneOfPalette(FullPalette(source), paletteTone);
  for (int32_t y = 0; y < source.height; ++y) {
    ToneRow(source, paletteTone, y, tone.get());
    maker.Make(tone.get(), y, white.get());
    PackIndices(white.get(), source.width, 1, out.TopRow(y));
  }
  return out.Release();
}

}  // namespace quill::tiff

extern "C" HGLOBAL DitherToBW(HGLOBAL dib, int16_t flags) {
  quill::tiff::InputDib in(dib);
  return in.ok() ? quill::tiff::DitherBlackWhite(in.info(), flags) : nullptr;
}
