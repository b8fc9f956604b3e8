// Exports: packing files and memory streams.
#include "api/export_guard.h"
#include "api/pack.h"

using namespace quill::tiff;  // NOLINT: the exports below are the library's own front door

extern "C" {

int16_t packtiff(const char* file, int32_t user, TiffProgressProc callback) {
  return Guarded([&] { return file != nullptr && PackFile(file, Progress{callback, user}); });
}

int16_t packtiffstream(uint8_t** stream, uint32_t* size, int32_t user, TiffProgressProc callback) {
  return Guarded([&] { return PackStream(stream, size, Progress{callback, user}); });
}

}  // extern "C"
