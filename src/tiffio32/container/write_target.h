// Where a new page goes: a file, or a caller's memory stream.  A failed or cancelled write leaves the
// target as it was: an appended page is cut off again, a new file or stream replaces the old one only
// once it is complete.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "api/progress.h"
#include "api/ttif.h"
#include "dib/dib_layout.h"

namespace quill::tiff {

class WriteTarget {
 public:
  virtual ~WriteTarget() = default;
  // Adds the DIB as a page: at the end of the existing TIFF (append; a missing or empty one is made), or
  // as the only page of a new TIFF in place of any old one.
  virtual bool AddPage(bool append, const DibInfo& dib, uint32_t compression, const Progress& progress) = 0;
  // The TIFF opened for editing in place with its chain walked; null when that fails.
  virtual std::unique_ptr<TTIF> Edit() = 0;
};

std::unique_ptr<WriteTarget> FileTarget(const char* path);
// stream and size are the caller's, by reference; both are updated when the block moves or grows.
std::unique_ptr<WriteTarget> StreamTarget(uint8_t** stream, uint32_t* size);

}  // namespace quill::tiff
