// Page editing on the directory chain in place: only next-directory offsets (and the first entry of a
// deleted page) are rewritten.  Every operation checks first and changes nothing when it refuses: page
// numbers equal or not found, or a directory on the way whose first entry is not NewSubfileType.
#pragma once

#include "api/ttif.h"

namespace quill::tiff {

bool SwapPages(TTIF& tif, int pageA, int pageB);
// Moves page to stand directly before target.
bool MovePage(TTIF& tif, int target, int page);
// Marks the page deleted: its first entry becomes NewSubfileType = 1 (LONG).
bool DeletePage(TTIF& tif, int page);

}  // namespace quill::tiff
