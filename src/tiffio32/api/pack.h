// Packing: a TIFF rewritten without its deleted pages (and without reduced-resolution images, which look
// the same).  Each page is read and written again with its own compression and depth.
#pragma once

#include <cstdint>

#include "api/progress.h"

namespace quill::tiff {

bool PackFile(const char* path, const Progress& progress);
// On success the old block is released and the caller's pointer and size name the new one.
bool PackStream(uint8_t** stream, uint32_t* size, const Progress& progress);

}  // namespace quill::tiff
