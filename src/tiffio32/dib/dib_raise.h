// Raising the depth of palette pictures: 1 and 4 bits to 4, 8 or 24.
#pragma once

#include "dib/dib_layout.h"
#include "tiffio32.h"

namespace quill::tiff {

// A new DIB of `bits` (4, 8 or 24) from a shallower 1-, 4- or 8-bit one: the same indices with the
// table widened to 16 or 256 entries, or each pixel's palette colour at 24 bits.  Null when it does
// not apply or memory runs out.
HGLOBAL RaiseDepth(const DibInfo& source, int bits);

// RaiseDepth for ImgIncreaseColors, which refuses to make more than 16,000,000 bytes of pixels.
HGLOBAL IncreaseColors(const DibInfo& source, int bits);

}  // namespace quill::tiff
