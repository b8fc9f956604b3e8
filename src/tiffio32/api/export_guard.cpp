// Opening the TIFF an exported call works on.
#include "api/export_guard.h"

namespace quill::tiff {

std::unique_ptr<TTIF> LoadTiff(std::unique_ptr<TiffIo> io) {
  if (io == nullptr) return nullptr;
  auto tif = std::make_unique<TTIF>(std::move(io));
  return tif->Load() ? std::move(tif) : nullptr;
}

std::unique_ptr<TTIF> LoadTiffFile(const char* file, FileMode mode) {
  return file == nullptr ? nullptr : LoadTiff(OpenFile(file, mode));
}

}  // namespace quill::tiff
