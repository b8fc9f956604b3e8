// Any bytes as a Windows bitmap (3DSCAN.BMP, a picture to scan or trace): a picture of the size it states,
// within the program's limits, or a reason, never a crash or an allocation beyond the file; a picture that
// was read writes out and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "pixels/bmp.h"

namespace {

bool SamePixels(const quill::Picture& a, const quill::Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Format() != b.Format()) return false;
  const size_t rowBytes = static_cast<size_t>(a.Width()) * (a.Format() == quill::PixelFormat::Rgb24 ? 3 : 1);
  for (int y = 0; y < a.Height(); ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), rowBytes) != 0) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  PictureRead read = DecodeBmp(std::string(reinterpret_cast<const char*>(data), size));
  if (!read.Ok() || read.picture.Empty()) return 0;
  if (!CheckPictureSize(read.picture.Width(), read.picture.Height()).empty()) __builtin_trap();
  PictureRead again = DecodeBmp(EncodeBmp(read.picture));
  if (!again.Ok() || !SamePixels(again.picture, read.picture)) __builtin_trap();
  return 0;
}
