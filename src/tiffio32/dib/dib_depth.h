// The depth change that reading and writing a page apply: any DIB the library meets brought to the
// depth the caller wants, or to gray.
#pragma once

#include "tiffio32.h"

namespace quill::tiff {

// The wanted depth that asks for 16-bit gray from 9-to-16-bit pages; it counts as 16.
constexpr int kSixteenBitGray = 1616;

// A new DIB of `bits` (1, 4, 8, 16 or 24; kSixteenBitGray as 16; 0 or less gray) made from `dib`, which
// stays as it was.  Null when the DIB is kept as it is: already of that depth, a depth it is not
// brought to, a damaged DIB, or memory running out.
//  - 32 bits (a caller's blue, green, red and an unused byte) are made 24-bit first;
//  - 16 bits (gray samples, high byte first) become gray of 8 or 24 bits, and 1 or 4 bits through 8;
//  - gray: ColorToGrayscale; shallower: ImgIncreaseColors; deeper: ImgReduceColors (flags 1).
HGLOBAL ConvertDibDepth(HGLOBAL dib, int bits);

}  // namespace quill::tiff
