// The library's device bitmaps and palettes: what readtiffile hands out (a picture scaled to fit 8 MB,
// monochrome when black and white, else 24-bit colour), and the DIB that writetiffile reads back from
// one.
#pragma once

#include "dib/dib_layout.h"
#include "tiffio32.h"

namespace quill::tiff {

// A bitmap and a palette from the DIB at scale percent, the scale falling by 5 % steps until the
// bitmap fits; false when none can be made.  The palette is null for pictures without a colour table.
bool MakeDeviceBitmap(const DibInfo& dib, int scalePercent, HBITMAP* bitmap, HPALETTE* palette);

// A new DIB from the bitmap at the depth its own depth sets (16, 24 and 32 bits give 24), the colour
// table from the palette when one is given for a 4- or 8-bit bitmap; resolution 0.  Null on failure.
HGLOBAL BitmapToDib(HBITMAP bitmap, HPALETTE palette);

// Blue, green and red of pixel x of a row (16-bit pixels are gray samples, high byte first).
void PixelBgr(const DibInfo& dib, const uint8_t* row, int32_t x, uint8_t* bgr);

}  // namespace quill::tiff
