// Device bitmaps: scaling a DIB into one, and reading one back.
#include "api/device_bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "api/gdi_objects.h"
#include "dib/dib_block.h"

namespace quill::tiff {
namespace {

constexpr double kMaxBitmapBytes = 8000000.0;

bool IsBlackOrWhite(const RGBQUAD& c) {
  return c.rgbRed == c.rgbGreen && c.rgbGreen == c.rgbBlue && (c.rgbRed == 0 || c.rgbRed == 255);
}

double BytesPerPixel(uint32_t colors) {
  switch (colors) {
    case 2: return 0.125;
    case 16: return 0.5;
    case 256: return 1.0;
    default: return 3.0;
  }
}

// Monochrome, shrinking keeps black (any black source pixel under a bitmap pixel makes it black).
void StretchMonochrome(const DibInfo& src, NewDib& out, int32_t width, int32_t height) {
  const bool white[2] = {src.table[0].rgbRed == 255, src.table[1].rgbRed == 255};
  for (int32_t ty = 0; ty < height; ++ty) {
    const int32_t y0 = static_cast<int32_t>(int64_t{ty} * src.height / height);
    const int32_t y1 = std::max(y0 + 1, static_cast<int32_t>(int64_t{ty + 1} * src.height / height));
    uint8_t* row = out.TopRow(ty);
    for (int32_t tx = 0; tx < width; ++tx) {
      const int32_t x0 = static_cast<int32_t>(int64_t{tx} * src.width / width);
      const int32_t x1 = std::max(x0 + 1, static_cast<int32_t>(int64_t{tx + 1} * src.width / width));
      bool allWhite = true;
      for (int32_t y = y0; y < y1 && allWhite; ++y) {
        for (int32_t x = x0; x < x1 && allWhite; ++x) allWhite = white[IndexAt(src.TopRow(y), x, 1)];
      }
      if (allWhite) row[tx >> 3] |= static_cast<uint8_t>(0x80 >> (tx & 7));
    }
  }
}

// Colour, nearest pixel.
void StretchColour(const DibInfo& src, NewDib& out, int32_t width, int32_t height) {
  for (int32_t ty = 0; ty < height; ++ty) {
    const uint8_t* from = src.TopRow(static_cast<int32_t>(int64_t{ty} * src.height / height));
    uint8_t* row = out.TopRow(ty);
    for (int32_t tx = 0; tx < width; ++tx) {
      PixelBgr(src, from, static_cast<int32_t>(int64_t{tx} * src.width / width), row + 3 * tx);
    }
  }
}

HBITMAP WrapBitmap(HGLOBAL dib) {
  if (dib == nullptr) return nullptr;
  auto* bitmap = new (std::nothrow) TiffBitmap{dib};
  if (bitmap == nullptr) GlobalFree(dib);
  return bitmap;
}

HBITMAP StretchedBitmap(const DibInfo& src, bool monochrome, int32_t width, int32_t height) {
  NewDib out(width, height, monochrome ? 1 : 24, monochrome ? 2 : 0, 0, 0);
  if (!out.ok()) return nullptr;
  if (monochrome) {
    SetBlackWhiteTable(out.table());
    StretchMonochrome(src, out, width, height);
  } else {
    StretchColour(src, out, width, height);
  }
  return WrapBitmap(out.Release());
}

HPALETTE PaletteOf(const DibInfo& dib) {
  if (dib.bits > 8 || dib.colors == 0) return nullptr;
  std::vector<PALETTEENTRY> entries(dib.colors);
  for (uint32_t i = 0; i < dib.colors; ++i) {
    entries[i] = PALETTEENTRY{dib.table[i].rgbRed, dib.table[i].rgbGreen, dib.table[i].rgbBlue, 0};
  }
  return CreateTiffPalette(entries.data(), static_cast<uint16_t>(dib.colors));
}

// The depth a bitmap is read back at.
int ReadBackDepth(int bits) {
  if (bits >= 16) return 24;
  return bits == 8 || bits == 4 ? bits : 1;
}

}  // namespace

void PixelBgr(const DibInfo& dib, const uint8_t* row, int32_t x, uint8_t* bgr) {
  if (dib.bits <= 8) {
    const uint8_t index = IndexAt(row, x, dib.bits);
    const RGBQUAD c = index < dib.colors ? dib.table[index] : RGBQUAD{0, 0, 0, 0};
    bgr[0] = c.rgbBlue;
    bgr[1] = c.rgbGreen;
    bgr[2] = c.rgbRed;
  } else if (dib.bits == 16) {
    std::memset(bgr, row[2 * x], 3);
  } else {
    std::memcpy(bgr, row + static_cast<size_t>(x) * (dib.bits / 8), 3);
  }
}

bool MakeDeviceBitmap(const DibInfo& dib, int scalePercent, HBITMAP* bitmap, HPALETTE* palette) {
  const uint32_t colors = dib.bits <= 8 ? dib.colors : 0;
  const double cost = BytesPerPixel(colors);
  const double pixels = double{1.0} * dib.width * dib.height;
  double scale = scalePercent / 100.0;
  if (pixels * cost * scale > kMaxBitmapBytes) scale = kMaxBitmapBytes / (pixels * cost * scale);
  const bool monochrome = colors == 2 && IsBlackOrWhite(dib.table[0]) && IsBlackOrWhite(dib.table[1]);
  for (; scale > 0; scale -= 0.05) {
    const auto width = static_cast<int32_t>(scale * dib.width), height = static_cast<int32_t>(scale * dib.height);
    if (width <= 0 || height <= 0 || double{1.0} * width * height * cost > kMaxBitmapBytes) continue;
    *bitmap = StretchedBitmap(dib, monochrome, width, height);
    if (*bitmap == nullptr) continue;
    *palette = PaletteOf(dib);
    return true;
  }
  return false;
}

HGLOBAL BitmapToDib(HBITMAP bitmap, HPALETTE palette) {
  if (bitmap == nullptr) return nullptr;
  InputDib in(bitmap->dib);
  if (!in.ok()) return nullptr;
  const DibInfo& src = in.info();
  const int bits = ReadBackDepth(src.bits);
  const bool paletted = bits == 4 || bits == 8;
  const uint32_t colors = bits == 1 ? 2 : paletted ? 1u << bits : 0;
  NewDib out(src.width, src.height, bits, colors, 0, 0);
  if (!out.ok()) return nullptr;
  if (bits <= 8) std::copy(src.table, src.table + std::min(src.colors, colors), out.table());
  if (paletted && palette != nullptr) {
    for (uint32_t i = 0; i < std::min<uint32_t>(palette->count, colors); ++i) {
      const PALETTEENTRY& e = palette->entries[i];
      out.table()[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
  }
  for (int32_t y = 0; y < src.height; ++y) {
    if (bits == src.bits) {
      std::memcpy(out.TopRow(y), src.TopRow(y), src.stride);
      continue;
    }
    for (int32_t x = 0; x < src.width; ++x) PixelBgr(src, src.TopRow(y), x, out.TopRow(y) + 3 * x);
  }
  return out.Release();
}

}  // namespace quill::tiff
