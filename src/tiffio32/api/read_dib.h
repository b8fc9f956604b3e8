// Reading a page as the caller asked for it.
#pragma once

#include <memory>

#include "api/progress.h"
#include "api/ttif.h"

namespace quill::tiff {

// The page as a new DIB in *dib: converted to `bits` when convert is set, and pages deeper than 8 bits
// brought to 8, 16, 24 or 16-bit gray when that is the depth named.  False (and *dib null) when the TIFF
// is missing or refused, the page is not there or cannot be read, or the progress callback cancels.
bool ReadDib(std::unique_ptr<TTIF> tif, int bits, bool convert, int page, HGLOBAL* dib, const Progress& progress);

}  // namespace quill::tiff
