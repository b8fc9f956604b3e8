/* The library's stand-ins for the screen's bitmap and palette objects (internal layout). */
#ifndef TIFFIO32_GDI_OBJECTS_H
#define TIFFIO32_GDI_OBJECTS_H

#include "tiffio32.h"

/* A bitmap owns one packed DIB (its picture). */
struct TiffBitmap {
  HGLOBAL dib;
};

/* A palette of 1 to 256 colours. */
struct TiffPalette {
  uint16_t count;
  PALETTEENTRY entries[256];
};

#endif
