// Gray pictures: the colour-to-gray conversion of palette and 24-bit pictures, and the gray rule that
// turns 16-bit samples (or 24-bit colour) into 8-bit, 16-bit or 24-bit gray.
#pragma once

#include "dib/dib_layout.h"
#include "tiffio32.h"

namespace quill::tiff {

// 4- or 8-bit: a copy with every table entry made its toned gray; 24-bit: 8-bit gray indices on the
// gray ramp.  Null for other depths or when memory runs out.
HGLOBAL ToGrayscale(const DibInfo& source);

// From a 16-bit (samples high byte first) or 24-bit picture to gray of `bits` (8 with the gray ramp,
// 16 as 5-bit gray in each field, or 24).  Null for other depths or when memory runs out.
HGLOBAL SixteenBitGray(const DibInfo& source, int bits);

}  // namespace quill::tiff
