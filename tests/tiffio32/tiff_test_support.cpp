// Helpers of the TIFF page tests.
#include "tiff_test_support.h"

#include <unistd.h>

namespace quill::tiff::test {

Dib PatternDib(int width, int height, int bits, uint32_t seed) {
  Dib dib = MakeDib(width, height, bits);
  const int entries = bits <= 8 ? 1 << bits : 0;
  for (int i = 0; i < entries; ++i) {
    if (bits == 1) {
      dib.SetTable(i, i ? 255 : 0, i ? 255 : 0, i ? 255 : 0);
    } else {
      dib.SetTable(i, static_cast<uint8_t>(i * 37 + seed), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 11));
    }
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t v = (static_cast<uint32_t>(x) * 7 + static_cast<uint32_t>(y) * 13 + x * y + seed) * 2654435761u;
      if (bits == 1) v = ((x / 3 + y / 2 + seed) % 3) != 0;  // runs of several lengths
      dib.SetPixel(x, y, bits == 24 ? v >> 8 : v & ((1u << bits) - 1));
    }
  }
  return dib;
}

uint32_t ColorAt(const Dib& dib, int x, int y) {
  const uint32_t v = dib.Pixel(x, y);
  return dib.Bits() <= 8 ? Rgb(dib.Table(static_cast<int>(v))) : v;
}

namespace {

// Same depth, same table: the rows' pixel bits must match (padding aside).
bool SameStoredPixels(const Dib& a, const Dib& b) {
  const BITMAPINFOHEADER h = a.Header();
  if (b.Bits() != h.biBitCount || a.TableSize() != b.TableSize()) return false;
  for (int i = 0; i < a.TableSize(); ++i) {
    if (Rgb(a.Table(i)) != Rgb(b.Table(i))) return false;
  }
  const std::vector<uint8_t> x = a.Bytes(), y = b.Bytes();
  const size_t stride = (static_cast<size_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4;
  const size_t bits = static_cast<size_t>(h.biWidth) * h.biBitCount, full = bits / 8;
  const size_t start = 40 + 4 * static_cast<size_t>(a.TableSize());
  const uint8_t lastMask = static_cast<uint8_t>(0xFF00 >> (bits % 8));
  for (int r = 0; r < h.biHeight; ++r) {
    const size_t at = start + r * stride;
    if (std::memcmp(&x[at], &y[at], full) != 0) return false;
    if (bits % 8 != 0 && ((x[at + full] ^ y[at + full]) & lastMask) != 0) return false;
  }
  return true;
}

}  // namespace

testing::AssertionResult SamePicture(const Dib& expected, const Dib& actual) {
  if (!actual) return testing::AssertionFailure() << "no picture";
  const BITMAPINFOHEADER e = expected.Header(), a = actual.Header();
  if (e.biWidth != a.biWidth || e.biHeight != a.biHeight) {
    return testing::AssertionFailure() << "size " << a.biWidth << "x" << a.biHeight << ", want " << e.biWidth << "x"
                                       << e.biHeight;
  }
  if (SameStoredPixels(expected, actual)) return testing::AssertionSuccess();
  for (int y = 0; y < e.biHeight; ++y) {
    for (int x = 0; x < e.biWidth; ++x) {
      if (ColorAt(expected, x, y) != ColorAt(actual, x, y)) {
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                           << ColorAt(actual, x, y) << ", want " << ColorAt(expected, x, y);
      }
    }
  }
  return testing::AssertionSuccess();
}

Stream::Stream(const std::string& bytes) : size(static_cast<uint32_t>(bytes.size())) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  data = static_cast<uint8_t*>(GlobalLock(block));
  std::memcpy(data, bytes.data(), bytes.size());
}

Stream::~Stream() {
  GlobalFree(GlobalHandle(data));
}

Dib ReadBytes(const std::string& tiff, int page) {
  HGLOBAL dib = nullptr;
  readtiffiledibstream(reinterpret_cast<const uint8_t*>(tiff.data()), static_cast<uint32_t>(tiff.size()), 0, 0,
                       static_cast<int16_t>(page), &dib, 0, nullptr);
  return Dib(dib);
}

Dib ReadPath(const std::string& path, int page) {
  HGLOBAL dib = nullptr;
  readtiffiledib(path.c_str(), 0, 0, static_cast<int16_t>(page), &dib, 0, nullptr);
  return Dib(dib);
}

std::string WriteBytes(const Dib& dib, int compression, int bits) {
  Stream s;
  const int depth = bits < 0 ? dib.Bits() : bits;
  if (writetiffiledibstream(&s.data, &s.size, static_cast<int16_t>(compression), static_cast<int16_t>(depth), 0,
                            dib.get(), 0, nullptr) != 1) {
    return "";
  }
  return s.Bytes();
}

int PageCount(const std::string& path) {
  int16_t pages = 0;
  getinfo(path.c_str(), 0, nullptr, nullptr, nullptr, nullptr, &pages, nullptr);
  return pages;
}

uint32_t Le16(const std::string& bytes, size_t at) {
  return static_cast<uint8_t>(bytes.at(at)) | static_cast<uint8_t>(bytes.at(at + 1)) << 8;
}

uint32_t Le32(const std::string& bytes, size_t at) {
  return Le16(bytes, at) | Le16(bytes, at + 2) << 16;
}

std::vector<StoredEntry> StoredEntries(const std::string& bytes, uint32_t offset) {
  if (offset == 0) offset = Le32(bytes, 4);
  std::vector<StoredEntry> entries(Le16(bytes, offset));
  for (size_t i = 0; i < entries.size(); ++i) {
    const size_t at = offset + 2 + 12 * i;
    entries[i] = StoredEntry{Le16(bytes, at), Le16(bytes, at + 2), Le32(bytes, at + 4), Le32(bytes, at + 8)};
  }
  return entries;
}

StoredEntry FindEntry(const std::vector<StoredEntry>& entries, uint32_t tag) {
  for (const StoredEntry& e : entries) {
    if (e.tag == tag) return e;
  }
  return StoredEntry{0, 0, 0, 0};
}

std::string LibtiffTool(const std::string& name) {
  const std::string path = "/usr/bin/" + name;
  return ::access(path.c_str(), X_OK) == 0 ? path : "";
}

}  // namespace quill::tiff::test
