// The library's fixed palette, standing in for the screen's system palette: the 16 standard colours,
// then a 6 × 6 × 6 colour cube and a gray ramp to fill 256 entries.
#pragma once

#include "tiffio32.h"

namespace quill::tiff {

// The first `entries` (at most 256) colours of the fixed palette.
void FixedPalette(int entries, RGBQUAD* table);

}  // namespace quill::tiff
