// Untrusted bytes as a TIFF stream: the facts of its first pages, their pictures (as stored, converted
// and as device bitmaps), their tags, and the editing operations on a copy.  Any answer is fine; a crash,
// an overread, a leak or a hang is not.
#include <cstdint>
#include <cstring>
#include <vector>

#include "tiffio32.h"

namespace {

// Pages of more pixels than this are skipped: they are legal, but slow the search for faults.
constexpr int64_t kMaxPixels = 4 << 20;

void DropText(int32_t, int32_t, int32_t, char* text, int32_t) {
  GlobalFree(GlobalHandle(text));
}

void ReadPage(const uint8_t* data, uint32_t size, int16_t page, uint8_t choice) {
  int32_t width = 0, height = 0, reserved = 0;
  uint16_t compression = 0;
  int16_t pages = 0, bits = 0;
  if (getinfostream(data, size, page, &width, &height, &compression, &reserved, &pages, &bits) != 1) return;
  if (int64_t{width} * height > kMaxPixels) return;
  static const int16_t kWanted[] = {0, 1, 4, 8, 24, 16, 1616, -1};
  HGLOBAL dib = nullptr;
  readtiffiledibstream(data, size, kWanted[choice & 7], static_cast<int16_t>(choice >> 3 & 1), page, &dib, 0, nullptr);
  GlobalFree(dib);
  if (choice & 0x10) {
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    readtiffilestream(data, size, 0, 0, page, 10, &bitmap, &palette, 0, nullptr);
    DeleteBitmap(bitmap);
    DeletePalette(palette);
  }
  returntagsstream(data, size, page, 0, DropText);
  int16_t count = 0;
  int32_t value = 0;
  char asked = 0;
  char* text = &asked;
  if (readtagstream(data, size, page, 270, &count, &value, &text) == 1 && text != &asked) {
    GlobalFree(GlobalHandle(text));
  }
}

void EditCopy(const uint8_t* data, uint32_t size, uint8_t choice) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  auto* copy = static_cast<uint8_t*>(GlobalLock(block));
  if (copy == nullptr) return;
  if (size > 0) std::memcpy(copy, data, size);
  uint32_t used = size;
  switch (choice & 3) {
    case 0: swappagesstream(copy, used, 0, 1); break;
    case 1: movepagestream(copy, used, 0, 2); break;
    case 2: writetagstringstream(copy, used, 0, 305, "fuzz"); break;
    default: deletepagestream(copy, used, 0); break;
  }
  int32_t width = 0, height = 0;
  if (getinfostream(copy, used, 0, &width, &height, nullptr, nullptr, nullptr, nullptr) == 1 &&
      int64_t{width} * height <= kMaxPixels) {
    packtiffstream(&copy, &used, 0, nullptr);
  }
  GlobalFree(GlobalHandle(copy));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 24)) return 0;
  const auto n = static_cast<uint32_t>(size);
  const uint8_t choice = size > 9 ? data[size - 1] : 0;
  for (int16_t page = 0; page < 2; ++page) ReadPage(data, n, page, choice);
  EditCopy(data, n, choice);
  return 0;
}
