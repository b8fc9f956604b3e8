#include "raster/picture_file.h"

#include <cstdio>
#include <memory>

#include "records/little_endian.h"
#include "tiffio32.h"

namespace quill {

namespace {

constexpr size_t kFileHeader = 14;

// A DIB block released on every way out.
struct DibBlock {
  HGLOBAL handle = nullptr;
  ~DibBlock() {
    if (handle) GlobalFree(handle);
  }
};

std::string FirstBytes(const std::string& path, size_t n) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f) return {};
  std::string bytes(n, '\0');
  bytes.resize(std::fread(bytes.data(), 1, n, f.get()));
  return bytes;
}

// A packed DIB is a Windows bitmap without its 14-byte file header: with one put in front, the
// bitmap reader (and all its checks) reads it.
std::string DibAsBitmap(const unsigned char* dib, size_t size) {
  std::string out(kFileHeader, '\0');
  BITMAPINFOHEADER header;
  std::copy(dib, dib + sizeof header, reinterpret_cast<unsigned char*>(&header));
  size_t table = static_cast<size_t>(GetColorsInPalette(&header)) * sizeof(RGBQUAD);
  uint32_t offset = static_cast<uint32_t>(kFileHeader + header.biSize + table);
  out[0] = 'B';
  out[1] = 'M';
  PutLittleEndian<uint32_t>(reinterpret_cast<unsigned char*>(out.data()) + 2,
                            static_cast<uint32_t>(kFileHeader + size));
  PutLittleEndian<uint32_t>(reinterpret_cast<unsigned char*>(out.data()) + 10, offset);
  out.append(reinterpret_cast<const char*>(dib), size);
  return out;
}

PictureRead ReadTiffPage(const std::string& path, int page) {
  PictureRead out;
  if (page < 0 || page > INT16_MAX) {
    out.error = "there is no page " + std::to_string(page + 1);
    return out;
  }
  int32_t width = 0, height = 0, reserved = 0;
  uint16_t compression = 0;
  int16_t pages = 0, bits = 0;
  if (getinfo(path.c_str(), static_cast<int16_t>(page), &width, &height, &compression, &reserved, &pages, &bits) != 1) {
    out.error = "the TIFF file or its page " + std::to_string(page + 1) + " cannot be read";
    return out;
  }
  out.error = CheckPictureSize(width, height);
  if (!out.error.empty()) return out;
  DibBlock dib;
  // 8 bits asks for 9-to-16-bit pages brought to 8; other pages keep their depth (32 becomes 24).
  if (readtiffiledib(path.c_str(), 8, 0, static_cast<int16_t>(page), &dib.handle, 0, nullptr) != 1 || !dib.handle) {
    out.error = "page " + std::to_string(page + 1) + " of the TIFF file cannot be read";
    return out;
  }
  size_t size = GlobalSize(dib.handle);
  const auto* bytes = static_cast<const unsigned char*>(GlobalLock(dib.handle));
  if (!bytes || size < sizeof(BITMAPINFOHEADER)) {
    out.error = "page " + std::to_string(page + 1) + " of the TIFF file cannot be read";
  } else {
    out = DecodeBmp(DibAsBitmap(bytes, size));
  }
  GlobalUnlock(dib.handle);
  return out;
}

}  // namespace

bool IsTiffFile(const std::string& path) {
  std::string head = FirstBytes(path, 4);
  return head == std::string("II*\0", 4) || head == std::string("MM\0*", 4);
}

int PicturePageCount(const std::string& path, std::string* error) {
  if (!IsTiffFile(path)) {
    PictureRead read = ReadBmp(path);
    if (error) *error = read.error;
    return read.Ok() ? 1 : 0;
  }
  int32_t width = 0, height = 0, reserved = 0;
  uint16_t compression = 0;
  int16_t pages = 0, bits = 0;
  if (getinfo(path.c_str(), 0, &width, &height, &compression, &reserved, &pages, &bits) != 1 || pages < 1) {
    if (error) *error = path + ": the TIFF file cannot be read";
    return 0;
  }
  return pages;
}

PictureRead ReadPictureFile(const std::string& path, int page) {
  if (!IsTiffFile(path) && page != 0) {
    PictureRead none;
    none.error = path + ": a bitmap has one page, not " + std::to_string(page + 1);
    return none;
  }
  if (!IsTiffFile(path)) return ReadBmp(path);
  PictureRead out = ReadTiffPage(path, page);
  if (!out.Ok()) out.error = path + ": " + out.error;
  return out;
}

}  // namespace quill
