// Reading Windows bitmaps: the headers and colour table are read and checked first, then the rows one
// at a time, so a large file never sits in memory twice.
#include <bit>
#include <cstdio>
#include <memory>

#include "pixels/bmp.h"
#include "records/little_endian.h"

namespace quill {

namespace {

constexpr uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
constexpr uint32_t kCoreHeader = 12, kInfoHeader = 40, kLargestHeader = 124;

// Where the bytes come from: a file or a string, read at an offset.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // False when the n bytes at offset are not all there.
  virtual bool ReadAt(uint64_t offset, unsigned char* out, size_t n) = 0;
};

class StringSource : public ByteSource {
 public:
  explicit StringSource(const std::string& s) : s_(s) {}
  uint64_t Size() const override { return s_.size(); }
  bool ReadAt(uint64_t offset, unsigned char* out, size_t n) override {
    if (offset > s_.size() || n > s_.size() - offset) return false;
    s_.copy(reinterpret_cast<char*>(out), n, offset);
    return true;
  }

 private:
  const std::string& s_;
};

class FileSource : public ByteSource {
 public:
  explicit FileSource(std::FILE* f) : f_(f) {
    if (std::fseek(f_, 0, SEEK_END) == 0) {
      long end = std::ftell(f_);
      size_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
  }
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, unsigned char* out, size_t n) override {
    if (offset > size_ || n > size_ - offset) return false;
    return std::fseek(f_, static_cast<long>(offset), SEEK_SET) == 0 && std::fread(out, 1, n, f_) == n;
  }

 private:
  std::FILE* f_;
  uint64_t size_ = 0;
};

// One colour channel as a bit mask of the pixel value, brought to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t top = 0;  // the largest value the mask holds

  explicit Channel(uint32_t m = 0) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    top = m >> shift;
  }
  uint8_t Of(uint32_t pixel) const {
    if (!top) return 0;
    return static_cast<uint8_t>((((pixel & mask) >> shift) * 255 + top / 2) / top);
  }
};

struct BmpInfo {
  uint32_t pixelOffset = 0, headerSize = 0, compression = kRgb, colours = 0;
  int64_t width = 0, height = 0;
  int bits = 0;
  bool topDown = false;
  Channel red, green, blue;
  Rgb table[256];
  int tableSize = 0;

  uint64_t Stride() const { return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bits) + 31) / 32 * 4; }
  bool Paletted() const { return bits <= 8; }
};

std::string ReadFileHeader(ByteSource& in, BmpInfo& info) {
  unsigned char h[18];
  if (!in.ReadAt(0, h, sizeof h) || h[0] != 'B' || h[1] != 'M') return "not a Windows bitmap";
  info.pixelOffset = GetLittleEndian<uint32_t>(h + 10);
  info.headerSize = GetLittleEndian<uint32_t>(h + 14);
  if (info.headerSize != kCoreHeader && (info.headerSize < kInfoHeader || info.headerSize > kLargestHeader)) {
    return "a Windows bitmap with a header of " + std::to_string(info.headerSize) + " bytes is not read";
  }
  return {};
}

void ReadCoreHeader(const unsigned char* h, BmpInfo& info) {
  info.width = GetLittleEndian<uint16_t>(h + 4);
  info.height = GetLittleEndian<uint16_t>(h + 6);
  info.bits = GetLittleEndian<uint16_t>(h + 10);
}

void ReadInfoHeader(const unsigned char* h, BmpInfo& info) {
  info.width = GetLittleEndian<int32_t>(h + 4);
  info.height = GetLittleEndian<int32_t>(h + 8);
  info.bits = GetLittleEndian<uint16_t>(h + 14);
  info.compression = GetLittleEndian<uint32_t>(h + 16);
  info.colours = GetLittleEndian<uint32_t>(h + 32);
  if (info.height < 0) {
    info.topDown = true;
    info.height = -info.height;
  }
}

// The masks sit in the longer headers, or just after the 40-byte one.
std::string ReadMasks(ByteSource& in, const unsigned char* h, BmpInfo& info) {
  if (info.compression == kRgb) {
    uint32_t r = info.bits == 16 ? 0x7C00 : 0xFF0000, g = info.bits == 16 ? 0x03E0 : 0x00FF00;
    uint32_t b = info.bits == 16 ? 0x001F : 0x0000FF;
    info.red = Channel(r), info.green = Channel(g), info.blue = Channel(b);
    return {};
  }
  unsigned char m[12];
  if (info.headerSize >= 52) {
    std::copy(h + 40, h + 52, m);
  } else if (!in.ReadAt(14 + info.headerSize, m, sizeof m)) {
    return "the bitmap is cut short";
  }
  info.red = Channel(GetLittleEndian<uint32_t>(m));
  info.green = Channel(GetLittleEndian<uint32_t>(m + 4));
  info.blue = Channel(GetLittleEndian<uint32_t>(m + 8));
  return {};
}

std::string CheckFormat(const BmpInfo& info) {
  bool known = info.bits == 1 || info.bits == 4 || info.bits == 8 || info.bits == 16 || info.bits == 24 ||
               info.bits == 32;
  if (!known) return "a Windows bitmap with " + std::to_string(info.bits) + " bits a pixel is not read";
  bool masked = info.compression == kBitFields || info.compression == kAlphaBitFields;
  if (info.compression != kRgb && !(masked && (info.bits == 16 || info.bits == 32))) {
    return "compressed Windows bitmaps are not read";
  }
  return CheckPictureSize(info.width, info.height);
}

std::string ReadColourTable(ByteSource& in, BmpInfo& info) {
  if (!info.Paletted()) return {};
  uint32_t most = 1u << info.bits;
  info.tableSize = static_cast<int>(info.colours == 0 || info.colours > most ? most : info.colours);
  size_t entry = info.headerSize == kCoreHeader ? 3 : 4;
  uint64_t at = 14 + info.headerSize;
  unsigned char raw[256 * 4];
  if (!in.ReadAt(at, raw, entry * static_cast<size_t>(info.tableSize))) return "the bitmap is cut short";
  for (int i = 0; i < info.tableSize; ++i) {
    const unsigned char* e = raw + entry * static_cast<size_t>(i);
    info.table[i] = {e[2], e[1], e[0]};
  }
  return {};
}

std::string ReadHeaders(ByteSource& in, BmpInfo& info) {
  std::string error = ReadFileHeader(in, info);
  if (!error.empty()) return error;
  unsigned char h[kLargestHeader];
  if (!in.ReadAt(14, h, info.headerSize)) return "the bitmap is cut short";
  if (info.headerSize == kCoreHeader) {
    ReadCoreHeader(h, info);
  } else {
    ReadInfoHeader(h, info);
  }
  error = CheckFormat(info);
  if (error.empty() && !info.Paletted()) error = ReadMasks(in, h, info);
  if (error.empty()) error = ReadColourTable(in, info);
  if (!error.empty()) return error;
  if (info.pixelOffset > in.Size() || info.Stride() * static_cast<uint64_t>(info.height) > in.Size() - info.pixelOffset) {
    return "the bitmap is cut short";
  }
  return {};
}

bool GreyTable(const BmpInfo& info) {
  for (int i = 0; i < info.tableSize; ++i) {
    if (info.table[i].r != info.table[i].g || info.table[i].g != info.table[i].b) return false;
  }
  return true;
}

// Pixel x of a stored row.  A colour index past the table reads as black.
Rgb PixelOf(const BmpInfo& info, const unsigned char* row, int64_t x) {
  if (info.Paletted()) {
    int64_t bit = x * info.bits;
    int shift = 8 - info.bits - static_cast<int>(bit % 8);
    int index = (row[bit / 8] >> shift) & ((1 << info.bits) - 1);
    return index < info.tableSize ? info.table[index] : Rgb{};
  }
  if (info.bits == 24) return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
  uint32_t v = info.bits == 16 ? GetLittleEndian<uint16_t>(row + 2 * x) : GetLittleEndian<uint32_t>(row + 4 * x);
  return {info.red.Of(v), info.green.Of(v), info.blue.Of(v)};
}

PictureRead Decode(ByteSource& in) {
  BmpInfo info;
  PictureRead out;
  out.error = ReadHeaders(in, info);
  if (!out.error.empty()) return out;
  bool grey = info.Paletted() && GreyTable(info);
  int width = static_cast<int>(info.width), height = static_cast<int>(info.height);
  Picture picture(width, height, grey ? PixelFormat::Grey8 : PixelFormat::Rgb24);
  std::unique_ptr<unsigned char[]> row(new unsigned char[info.Stride()]);
  for (int stored = 0; stored < height; ++stored) {
    if (!in.ReadAt(info.pixelOffset + info.Stride() * static_cast<uint64_t>(stored), row.get(), info.Stride())) {
      out.error = "the bitmap could not be read";
      return out;
    }
    int y = info.topDown ? stored : height - 1 - stored;
    for (int x = 0; x < width; ++x) picture.Set(x, y, PixelOf(info, row.get(), x));
  }
  out.picture = std::move(picture);
  return out;
}

}  // namespace

PictureRead DecodeBmp(const std::string& bytes) {
  StringSource in(bytes);
  return Decode(in);
}

PictureRead ReadBmp(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  PictureRead out;
  if (!f) {
    out.error = path + ": the file cannot be opened";
    return out;
  }
  FileSource in(f.get());
  out = Decode(in);
  if (!out.Ok()) out.error = path + ": " + out.error;
  return out;
}

}  // namespace quill
