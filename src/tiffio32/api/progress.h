// The caller's progress callback and its user value.
#pragma once

#include <cstdint>

#include "tiffio32.h"

namespace quill::tiff {

struct Progress {
  TiffProgressProc callback = nullptr;
  int32_t user = 0;

  // False when the caller asks to stop.
  bool Report(int64_t percent) const {
    return callback == nullptr || callback(static_cast<int32_t>(percent), user) != 0;
  }
};

}  // namespace quill::tiff
