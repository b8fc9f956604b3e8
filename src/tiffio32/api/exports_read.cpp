// Exports: reading pages into DIBs, and the facts of a page.
#include <cstring>

#include "api/export_guard.h"
#include "api/read_dib.h"
#include "container/ifd.h"
#include "container/page_description.h"

namespace quill::tiff {
namespace {

struct PageInfo {
  int32_t* width;
  int32_t* height;
  uint16_t* compression;
  int32_t* reserved;
  int16_t* pages;
  int16_t* bitsPerPixel;

  void Clear() const {
    for (int32_t* p : {width, height, reserved}) {
      if (p != nullptr) *p = 0;
    }
    for (int16_t* p : {pages, bitsPerPixel}) {
      if (p != nullptr) *p = 0;
    }
    if (compression != nullptr) *compression = 0;
  }
};

template <class T, class V>
void Set(T* out, V value) {
  if (out != nullptr) *out = static_cast<T>(value);
}

bool GetInfo(std::unique_ptr<TTIF> tif, int page, const PageInfo& out) {
  const int index = tif == nullptr ? -1 : tif->IfdOfPage(page);
  if (index < 0) return false;
  Ifd ifd;
  PageDescription d;
  if (!ReadIfd(tif->io(), tif->order(), tif->ifds()[index].offset, &ifd) ||
      !DescribePage(tif->io(), tif->order(), ifd, &d)) {
    return false;
  }
  Set(out.width, d.width);
  Set(out.height, d.height);
  Set(out.compression, d.compression);
  Set(out.pages, tif->PageCount());
  Set(out.bitsPerPixel, d.BitsPerPixel());
  return true;
}

}  // namespace
}  // namespace quill::tiff

using namespace quill::tiff;  // NOLINT: the exports below are the library's own front door

extern "C" {

int16_t readtiffiledib(const char* file, int16_t bits, int16_t convert, int16_t page, HGLOBAL* dib, int32_t user,
                       TiffProgressProc callback) {
  return Guarded([&] {
    return ReadDib(LoadTiffFile(file, FileMode::kRead), bits, convert != 0, page, dib, Progress{callback, user});
  });
}

int16_t readtiffiledibstream(const uint8_t* stream, uint32_t size, int16_t bits, int16_t convert, int16_t page,
                             HGLOBAL* dib, int32_t user, TiffProgressProc callback) {
  return Guarded([&] {
    return ReadDib(LoadTiff(WrapMemory(stream, size)), bits, convert != 0, page, dib, Progress{callback, user});
  });
}

int16_t getinfo(const char* file, int16_t page, int32_t* width, int32_t* height, uint16_t* compression,
                int32_t* reserved, int16_t* pages, int16_t* bitsPerPixel) {
  const PageInfo out{width, height, compression, reserved, pages, bitsPerPixel};
  out.Clear();
  return Guarded([&] { return GetInfo(LoadTiffFile(file, FileMode::kRead), page, out); });
}

int16_t getinfostream(const uint8_t* stream, uint32_t size, int16_t page, int32_t* width, int32_t* height,
                      uint16_t* compression, int32_t* reserved, int16_t* pages, int16_t* bitsPerPixel) {
  const PageInfo out{width, height, compression, reserved, pages, bitsPerPixel};
  out.Clear();
  return Guarded([&] { return GetInfo(LoadTiff(WrapMemory(stream, size)), page, out); });
}

}  // extern "C"
