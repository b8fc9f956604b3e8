// Decoding one page into a new packed DIB.
#pragma once

#include "api/progress.h"
#include "api/ttif.h"

namespace quill::tiff {

constexpr uint64_t kMaxDibBytes = 80000000;

// The page as a DIB of the page's own depth (1, 4, 8, 16 or 24 bits); null when the page is refused, its
// data is damaged or the progress callback cancels.
HGLOBAL ReadPage(TTIF& tif, int page, const Progress& progress);

}  // namespace quill::tiff
