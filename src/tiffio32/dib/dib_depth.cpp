#include "dib/dib_depth.h"

#include <cstring>

#include "dib/dib_block.h"
#include "dib/dib_gray.h"
#include "dib/dib_layout.h"
#include "dib/dib_raise.h"
#include "dib/dib_reduce_colors.h"

namespace quill::tiff {

namespace {

int ColorsForDepth(int bits) {
  return bits == 1 ? 2 : bits == 4 ? 16 : 256;
}

HGLOBAL ConvertInfo(const DibInfo& source, int bits);

// Runs the conversion on a DIB made on the way, which then goes.
HGLOBAL ConvertIntermediate(HGLOBAL made, int bits) {
  HGLOBAL out = nullptr;
  {
    InputDib in(made);
    if (in.ok()) out = ConvertInfo(in.info(), bits);
  }
  GlobalFree(made);
  return out;
}

HGLOBAL FromSixteenBits(const DibInfo& source, int bits) {
  if (bits == 8 || bits == 24) return SixteenBitGray(source, bits);
  if (bits != 1 && bits != 4) return nullptr;
  HGLOBAL gray = SixteenBitGray(source, 8);
  return gray != nullptr ? ConvertIntermediate(gray, bits) : nullptr;
}

// Pages of four samples are made 24-bit as they are read, so a 32-bit DIB here is a caller's picture.
HGLOBAL FromThirtyTwoBits(const DibInfo& source) {
  NewDib out(source, 24, 0);
  if (!out.ok()) return nullptr;
  for (int32_t r = 0; r < source.height; ++r) {
    const uint8_t* px = source.pixels + static_cast<size_t>(r) * source.stride;
    uint8_t* to = out.Row(r);
    for (int32_t x = 0; x < source.width; ++x, px += 4, to += 3) std::memcpy(to, px, 3);
  }
  return out.Release();
}

HGLOBAL ConvertInfo(const DibInfo& source, int bits) {
  const bool gray = bits <= 0;
  if (bits == kSixteenBitGray) bits = 16;
  if (!gray && source.bits == bits) return nullptr;
  if (source.bits == 32) {
    HGLOBAL rgb = FromThirtyTwoBits(source);
    if (rgb == nullptr || (!gray && bits == 24)) return rgb;
    return ConvertIntermediate(rgb, gray ? 0 : bits);
  }
  if (source.bits == 16) return FromSixteenBits(source, gray ? 8 : bits);
  if (gray) return ToGrayscale(source);
  if (bits == 16) return source.bits == 24 ? SixteenBitGray(source, 16) : nullptr;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return nullptr;
  if (source.bits < bits) return IncreaseColors(source, bits);
  return ReduceDepthColors(source, ColorsForDepth(bits), 1);
}

}  // namespace

HGLOBAL ConvertDibDepth(HGLOBAL dib, int bits) {
  InputDib in(dib);
  return in.ok() ? ConvertInfo(in.info(), bits) : nullptr;
}

}  // namespace quill::tiff
