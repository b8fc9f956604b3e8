// A page's directory entries as the tag operations report and change them.
#pragma once

#include <cstdint>

#include "api/ttif.h"
#include "tiffio32.h"

namespace quill::tiff {

// Reports every entry of at most 4 values, and every text tag of more; false when the page is not
// there or a text lies outside the file.
bool ReturnTags(TTIF& tif, int page, int32_t user, TiffTagProc callback);
// Sets count and value (and the text when asked) from the tag; false when the tag is not found.
bool ReadTag(TTIF& tif, int page, int tag, int16_t* count, int32_t* value, char** text);
bool WriteTag(TTIF& tif, int page, int tag, int32_t value);
bool WriteTagString(TTIF& tif, int page, int tag, const char* text);

}  // namespace quill::tiff
