// A Windows bitmap may hold anything: reading it must end with a picture of the size it states, within
// the program's limits, or with a reason, never a crash or an allocation beyond the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "pixels/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quill::PictureRead read = quill::DecodeBmp(std::string(reinterpret_cast<const char*>(data), size));
  if (read.Ok()) {
    const quill::Picture& p = read.picture;
    if (!quill::CheckPictureSize(p.Width(), p.Height()).empty()) __builtin_trap();
    // Every pixel can be read.
    for (int y = 0; y < p.Height(); y += 7) {
      for (int x = 0; x < p.Width(); x += 7) (void)p.At(x, y);
    }
  }
  return 0;
}
