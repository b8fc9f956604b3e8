// Fewer colours: median cut to 16 or 256 colours, or black and white when two are wanted.
#pragma once

#include "dib/dib_layout.h"
#include "tiffio32.h"

namespace quill::tiff {

// A 4-bit (up to 16 colours) or 8-bit DIB with a median-cut palette of at most `colors` (1 to 256) from
// a 1-, 4-, 8- or 24-bit picture; 1- and 4-bit pictures need at least that many table entries.  Flags:
// 2 or 4 dither (Floyd–Steinberg), 8 gray instead (ToGrayscale), 16 the fixed palette instead of the
// median cut.  Null when it does not apply or memory runs out.
HGLOBAL ReduceColors(const DibInfo& source, int colors, int flags);

// Two colours: black and white (DitherBlackWhite with the flags), null for a 1-bit picture; else
// ReduceColors.
HGLOBAL ReduceDepthColors(const DibInfo& source, int colors, int flags);

}  // namespace quill::tiff
