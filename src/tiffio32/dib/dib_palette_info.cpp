// The colour-table questions callers ask of a DIB header and of a palette.
#include "api/gdi_objects.h"
#include "dib/dib_layout.h"

extern "C" {

int32_t GetColorsInPalette(const BITMAPINFOHEADER* header) {
  if (header == nullptr || header->biSize < sizeof(BITMAPINFOHEADER)) return 0;
  const uint32_t colors = quill::tiff::DibColorCount(*header);
  return colors <= INT32_MAX ? static_cast<int32_t>(colors) : 0;
}

int32_t GetPalette(HPALETTE palette, PALETTEENTRY* entries) {
  if (palette == nullptr || entries == nullptr || palette->count < 1 || palette->count > 256) return 0;
  for (uint16_t i = 0; i < palette->count; ++i) entries[i] = palette->entries[i];
  return palette->count;
}

}  // extern "C"
