// Writing a DIB as a page: appended, inserted at an index, or in place of a page.
#pragma once

#include <cstdint>

#include "api/progress.h"
#include "container/write_target.h"
#include "tiffio32.h"

namespace quill::tiff {

// Converts the DIB to `bits` when its depth differs (1 for the CCITT schemes, 0 or less gray) and writes
// it with the caller's compression code.
bool WriteDibPage(WriteTarget& target, HGLOBAL dib, int compression, int bits, bool append, const Progress& progress);
// Appends the page, then moves it before the page at `page` when that is not the last.
bool InsertDibPage(WriteTarget& target, HGLOBAL dib, int compression, int bits, int page, const Progress& progress);
// Inserts the page at `page`, then deletes the old page (now one further on).
bool ReplaceDibPage(WriteTarget& target, HGLOBAL dib, int compression, int bits, int page, const Progress& progress);

}  // namespace quill::tiff
