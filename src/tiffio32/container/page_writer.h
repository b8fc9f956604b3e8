// Encoding a DIB as a new page at the end of a TIFF, linked from the end of its chain.
#pragma once

#include <cstdint>

#include "api/progress.h"
#include "api/ttif.h"
#include "dib/dib_layout.h"

namespace quill::tiff {

// The TIFF compression for the caller's code: 0 or 1 none, 2 modified Huffman, 3 Group 3, 4 Group 4,
// 5 LZW, anything else PackBits.
uint32_t TiffCompression(int callerCode);

// Writes the DIB (1, 4, 8 or 24 bits; 1 for the CCITT schemes) as a page.  False when it cannot be
// written or the progress callback cancels; the chain is then untouched (the caller cuts the file back).
bool WritePage(TTIF& tif, const DibInfo& dib, uint32_t compression, const Progress& progress);

}  // namespace quill::tiff
