// The exported functions' common frame: no exception ever leaves the library, and every TIFF operation
// answers 1 for success and -1 for failure.
#pragma once

#include <cstdint>
#include <memory>

#include "api/ttif.h"
#include "container/tiff_io.h"

namespace quill::tiff {

template <class Body>
int16_t Guarded(Body&& body) noexcept {
  try {
    return body() ? 1 : -1;
  } catch (...) {
    return -1;
  }
}

// The TIFF with its chain walked, or null when it cannot be opened or is not a TIFF.
std::unique_ptr<TTIF> LoadTiff(std::unique_ptr<TiffIo> io);
std::unique_ptr<TTIF> LoadTiffFile(const char* file, FileMode mode);

}  // namespace quill::tiff
