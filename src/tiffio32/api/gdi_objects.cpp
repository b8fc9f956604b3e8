// Exports: making, inspecting and releasing the library's bitmaps and palettes.
#include "api/gdi_objects.h"

#include <cstring>
#include <new>

#include "dib/dib_block.h"

namespace {

// A new block holding a copy of a sound DIB; null otherwise.
HGLOBAL CopyDib(HGLOBAL dib) {
  quill::tiff::InputDib in(dib);
  if (!in.ok()) return nullptr;
  const size_t size = GlobalSize(dib);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  void* to = GlobalLock(copy);
  if (to == nullptr) return nullptr;
  std::memcpy(to, GlobalLock(dib), size);
  GlobalUnlock(dib);
  GlobalUnlock(copy);
  return copy;
}

BITMAPINFOHEADER HeaderOf(HBITMAP bitmap) {
  BITMAPINFOHEADER header{};
  if (bitmap != nullptr) {
    std::memcpy(&header, GlobalLock(bitmap->dib), sizeof header);
    GlobalUnlock(bitmap->dib);
  }
  return header;
}

}  // namespace

extern "C" {

HBITMAP CreateDibBitmap(HGLOBAL dib) {
  HGLOBAL copy = CopyDib(dib);
  if (copy == nullptr) return nullptr;
  auto* bitmap = new (std::nothrow) TiffBitmap{copy};
  if (bitmap == nullptr) GlobalFree(copy);
  return bitmap;
}

HGLOBAL GetBitmapDib(HBITMAP bitmap) {
  return bitmap == nullptr ? nullptr : CopyDib(bitmap->dib);
}

int32_t GetBitmapWidth(HBITMAP bitmap) {
  return HeaderOf(bitmap).biWidth;
}

int32_t GetBitmapHeight(HBITMAP bitmap) {
  return HeaderOf(bitmap).biHeight;
}

int16_t GetBitmapBits(HBITMAP bitmap) {
  return static_cast<int16_t>(HeaderOf(bitmap).biBitCount);
}

HPALETTE CreateTiffPalette(const PALETTEENTRY* entries, uint16_t count) {
  if (entries == nullptr || count == 0 || count > 256) return nullptr;
  auto* palette = new (std::nothrow) TiffPalette{};
  if (palette == nullptr) return nullptr;
  palette->count = count;
  std::memcpy(palette->entries, entries, count * sizeof(PALETTEENTRY));
  return palette;
}

void DeleteBitmap(HBITMAP bitmap) {
  if (bitmap == nullptr) return;
  GlobalFree(bitmap->dib);
  delete bitmap;
}

void DeletePalette(HPALETTE palette) {
  delete palette;
}

}  // extern "C"
