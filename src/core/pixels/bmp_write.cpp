// Writing Windows bitmaps: 8 bits with a grey table or 24 bits, bottom-up, 40-byte header.
#include "pixels/bmp.h"
#include "records/atomic_file.h"
#include "records/little_endian.h"

namespace quill {

namespace {

constexpr uint32_t kHeaders = 14 + 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots an inch

template <class T>
void Put(std::string& out, size_t at, T v) {
  PutLittleEndian(reinterpret_cast<unsigned char*>(out.data() + at), v);
}

}  // namespace

std::string EncodeBmp(const Picture& picture) {
  bool grey = picture.Format() == PixelFormat::Grey8;
  uint32_t bits = grey ? 8 : 24, table = grey ? 256 * 4 : 0;
  uint32_t stride = (static_cast<uint32_t>(picture.Width()) * bits + 31) / 32 * 4;
  uint32_t offset = kHeaders + table;
  std::string out(offset + static_cast<size_t>(stride) * static_cast<size_t>(picture.Height()), '\0');
  out[0] = 'B', out[1] = 'M';
  Put<uint32_t>(out, 2, static_cast<uint32_t>(out.size()));
  Put<uint32_t>(out, 10, offset);
  Put<uint32_t>(out, 14, 40);
  Put<int32_t>(out, 18, picture.Width());
  Put<int32_t>(out, 22, picture.Height());
  Put<uint16_t>(out, 26, 1);
  Put<uint16_t>(out, 28, static_cast<uint16_t>(bits));
  Put<uint32_t>(out, 34, stride * static_cast<uint32_t>(picture.Height()));
  Put<int32_t>(out, 38, kPixelsPerMetre);
  Put<int32_t>(out, 42, kPixelsPerMetre);
  Put<uint32_t>(out, 46, grey ? 256 : 0);
  for (uint32_t i = 0; i < table / 4; ++i) {
    for (int c = 0; c < 3; ++c) out[kHeaders + 4 * i + c] = static_cast<char>(i);
  }
  for (int y = 0; y < picture.Height(); ++y) {
    char* row = out.data() + offset + static_cast<size_t>(stride) * static_cast<size_t>(picture.Height() - 1 - y);
    for (int x = 0; x < picture.Width(); ++x) {
      if (grey) {
        row[x] = static_cast<char>(picture.Row(y)[x]);
        continue;
      }
      Rgb c = picture.At(x, y);
      row[3 * x] = static_cast<char>(c.b), row[3 * x + 1] = static_cast<char>(c.g), row[3 * x + 2] = static_cast<char>(c.r);
    }
  }
  return out;
}

bool WriteBmp(const std::string& path, const Picture& picture) {
  return !picture.Empty() && WriteFileAtomically(path, EncodeBmp(picture));
}

}  // namespace quill
