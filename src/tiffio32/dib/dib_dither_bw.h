// Black and white from any palette or 24-bit picture through the tone curve: ordered dither, Burkes or
// Floyd–Steinberg error diffusion, or a plain threshold.
#pragma once

#include "dib/dib_layout.h"
#include "tiffio32.h"

namespace quill::tiff {

enum BwMethod : int {
  kBwOrdered = 1,
  kBwBurkes = 2,
  kBwFloydSteinberg = 4,
};

// A new 1-bit DIB (black, white) of a 1-, 4-, 8- or 24-bit picture; flags choose the method (the lowest
// of the bits above that is set; none: threshold).  Null when it does not apply or memory runs out.
HGLOBAL DitherBlackWhite(const DibInfo& source, int flags);

}  // namespace quill::tiff
