// Windows bitmaps read and written: every depth and layout a picture comes in, round trips, and files
// that lie about themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pixels/bmp.h"
#include "records/little_endian.h"
#include "test_support.h"

namespace quill {
namespace {

// A bitmap file built field by field, the way other programs write them.
struct BmpBuilder {
  int32_t width = 2, height = 2;
  uint16_t bits = 24;
  uint32_t compression = 0, colours = 0, headerSize = 40;
  std::vector<uint32_t> masks;        // after the 40-byte header
  std::vector<uint32_t> table;        // 0x00RRGGBB
  std::vector<std::vector<uint8_t>> rows;  // as stored, without padding
  int64_t offsetShift = 0;            // moves the pixel offset (a lying file)

  std::string Build() const {
    std::string header(14 + (headerSize == 12 ? 12 : std::max<uint32_t>(headerSize, 40)), '\0');
    auto put32 = [&](size_t at, uint32_t v) { PutLittleEndian(reinterpret_cast<unsigned char*>(&header[at]), v); };
    auto put16 = [&](size_t at, uint16_t v) { PutLittleEndian(reinterpret_cast<unsigned char*>(&header[at]), v); };
    header[0] = 'B', header[1] = 'M';
    put32(14, headerSize);
    if (headerSize == 12) {
      put16(18, static_cast<uint16_t>(width)), put16(20, static_cast<uint16_t>(height));
      put16(22, 1), put16(24, bits);
    } else {
      put32(18, static_cast<uint32_t>(width)), put32(22, static_cast<uint32_t>(height));
      put16(26, 1), put16(28, bits);
      put32(30, compression), put32(46, colours);
    }
    std::string extra;
    for (uint32_t m : masks) extra += Le(m, 4);
    for (uint32_t c : table) extra += headerSize == 12 ? Le(c, 3) : Le(c, 4);
    std::string pixels;
    size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    for (const auto& row : rows) {
      std::string r(row.begin(), row.end());
      r.resize(stride, '\0');
      pixels += r;
    }
    uint32_t offset = static_cast<uint32_t>(header.size() + extra.size() + offsetShift);
    put32(10, offset);
    std::string file = header + extra + pixels;
    PutLittleEndian(reinterpret_cast<unsigned char*>(&file[2]), static_cast<uint32_t>(file.size()));
    return file;
  }
  static std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
  }
};

PictureRead Decode(const BmpBuilder& b) {
  return DecodeBmp(b.Build());
}

TEST(Bmp, ColourDepthsReadToTheSamePixels) {
  // Two by two: top row red, white; bottom row blue, black.  Stored bottom-up.
  BmpBuilder b24;
  b24.rows = {{0xFF, 0, 0, 0, 0, 0}, {0, 0, 0xFF, 0xFF, 0xFF, 0xFF}};
  BmpBuilder b32 = b24;
  b32.bits = 32;
  b32.rows = {{0xFF, 0, 0, 9, 0, 0, 0, 9}, {0, 0, 0xFF, 9, 0xFF, 0xFF, 0xFF, 9}};
  BmpBuilder b16 = b24;  // 5-5-5
  b16.bits = 16;
  b16.rows = {{0x1F, 0x00, 0x00, 0x00}, {0x00, 0x7C, 0xFF, 0x7F}};
  BmpBuilder b565 = b16;
  b565.compression = 3;
  b565.masks = {0xF800, 0x07E0, 0x001F};
  b565.rows = {{0x1F, 0x00, 0x00, 0x00}, {0x00, 0xF8, 0xFF, 0xFF}};
  BmpBuilder b8 = b24;
  b8.bits = 8;
  b8.table = {0xFF0000, 0xFFFFFF, 0x0000FF, 0x000000};
  b8.colours = 4;
  b8.rows = {{2, 3}, {0, 1}};
  BmpBuilder b4 = b8;
  b4.bits = 4;
  b4.rows = {{0x23}, {0x01}};
  BmpBuilder b1 = b24;
  b1.bits = 1;
  b1.table = {0xFF0000, 0xFFFFFF};
  b1.rows = {{0x80}, {0x40}};  // bottom row: white, red; top row: red, white
  BmpBuilder core = b8;
  core.headerSize = 12;  // no colour count: the table holds all 256
  core.table.resize(256);
  for (const BmpBuilder* b : {&b24, &b32, &b16, &b565, &b8, &b4, &core}) {
    PictureRead r = Decode(*b);
    ASSERT_TRUE(r.Ok()) << r.error << " at " << b->bits;
    EXPECT_EQ(r.picture.Format(), PixelFormat::Rgb24);
    EXPECT_EQ(r.picture.At(0, 0), (Rgb{255, 0, 0})) << b->bits;
    EXPECT_EQ(r.picture.At(1, 0), (Rgb{255, 255, 255})) << b->bits;
    EXPECT_EQ(r.picture.At(0, 1), (Rgb{0, 0, 255})) << b->bits;
    EXPECT_EQ(r.picture.At(1, 1), (Rgb{0, 0, 0})) << b->bits;
  }
  PictureRead one = Decode(b1);
  ASSERT_TRUE(one.Ok()) << one.error;
  EXPECT_EQ(one.picture.At(0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(one.picture.At(1, 1), (Rgb{255, 0, 0}));
  EXPECT_EQ(one.picture.At(0, 1), (Rgb{255, 255, 255}));
}

TEST(Bmp, TopDownRowsAndGreyTables) {
  BmpBuilder b;
  b.bits = 8;
  b.height = -2;  // top-down
  b.width = 3;
  for (uint32_t g = 0; g < 256; ++g) b.table.push_back(g * 0x010101);
  b.rows = {{10, 20, 30}, {40, 50, 60}};
  PictureRead r = Decode(b);
  ASSERT_TRUE(r.Ok()) << r.error;
  EXPECT_EQ(r.picture.Format(), PixelFormat::Grey8);
  EXPECT_EQ(r.picture.Width(), 3);
  EXPECT_EQ(r.picture.Height(), 2);
  EXPECT_EQ(r.picture.GreyAt(2, 0), 30);
  EXPECT_EQ(r.picture.GreyAt(0, 1), 40);
}

TEST(Bmp, WrittenPicturesReadBackAlike) {
  Picture grey(5, 3, PixelFormat::Grey8), colour(3, 4, PixelFormat::Rgb24);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) grey.SetGrey(x, y, static_cast<uint8_t>(x * 50 + y));
  }
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 3; ++x) colour.Set(x, y, {static_cast<uint8_t>(x * 80), static_cast<uint8_t>(y * 60), 7});
  }
  test::TempDir dir;
  for (const Picture* p : {&grey, &colour}) {
    ASSERT_TRUE(WriteBmp(dir.File("P.BMP"), *p));
    PictureRead r = ReadBmp(dir.File("P.BMP"));
    ASSERT_TRUE(r.Ok()) << r.error;
    EXPECT_EQ(r.picture.Format(), p->Format());
    ASSERT_EQ(r.picture.Width(), p->Width());
    ASSERT_EQ(r.picture.Height(), p->Height());
    for (int y = 0; y < p->Height(); ++y) {
      for (int x = 0; x < p->Width(); ++x) EXPECT_EQ(r.picture.At(x, y), p->At(x, y)) << x << "," << y;
    }
  }
  // Rows are padded to four bytes and the header says the file's size.
  std::string bytes = EncodeBmp(colour);
  EXPECT_EQ(bytes.size(), 54u + 12u * 4u);
  EXPECT_EQ(GetLittleEndian<uint32_t>(reinterpret_cast<const unsigned char*>(bytes.data() + 2)), bytes.size());
  EXPECT_FALSE(WriteBmp(dir.File("none/P.BMP"), grey));
  EXPECT_FALSE(WriteBmp(dir.File("E.BMP"), Picture()));
}

TEST(Bmp, FilesThatLieAreRefusedWithoutReadingPastThem) {
  BmpBuilder huge;
  huge.width = 50000, huge.height = 50000;
  huge.rows = {};
  PictureRead r = Decode(huge);
  EXPECT_NE(r.error.find("50000 x 50000 pixels is too large"), std::string::npos) << r.error;

  BmpBuilder cut;
  cut.rows = {{1, 2, 3, 4, 5, 6}};  // one row of two
  EXPECT_EQ(Decode(cut).error, "the bitmap is cut short");
  BmpBuilder pastEnd;
  pastEnd.rows = {{1, 2, 3}, {4, 5, 6}};
  pastEnd.offsetShift = 1000000;
  EXPECT_EQ(Decode(pastEnd).error, "the bitmap is cut short");
  BmpBuilder shortTable;
  shortTable.bits = 8, shortTable.colours = 200;
  shortTable.table = {0x102030};
  EXPECT_EQ(Decode(shortTable).error, "the bitmap is cut short");

  BmpBuilder rle;
  rle.bits = 8, rle.compression = 1;
  EXPECT_EQ(Decode(rle).error, "compressed Windows bitmaps are not read");
  BmpBuilder twoBits;
  twoBits.bits = 2;
  EXPECT_EQ(Decode(twoBits).error, "a Windows bitmap with 2 bits a pixel is not read");
  BmpBuilder header;
  header.headerSize = 20;
  EXPECT_EQ(Decode(header).error, "a Windows bitmap with a header of 20 bytes is not read");
  BmpBuilder empty;
  empty.width = 0;
  EXPECT_NE(Decode(empty).error.find("has no pixels"), std::string::npos);
  EXPECT_EQ(DecodeBmp("GIF89a").error, "not a Windows bitmap");
  EXPECT_EQ(DecodeBmp("").error, "not a Windows bitmap");

  // A colour index past the table reads black; a count past the depth's colours is held to them.
  BmpBuilder index;
  index.bits = 8, index.colours = 2;
  index.table = {0xFFFFFF, 0xFFFFFF};
  index.rows = {{1, 7}, {0, 1}};
  PictureRead ix = Decode(index);
  ASSERT_TRUE(ix.Ok()) << ix.error;
  EXPECT_EQ(ix.picture.At(1, 1), (Rgb{0, 0, 0}));
  EXPECT_EQ(ix.picture.At(0, 1), (Rgb{255, 255, 255}));
  BmpBuilder many = index;
  many.bits = 1, many.colours = 1000;
  many.rows = {{0x40}, {0x80}};
  PictureRead mr = Decode(many);
  ASSERT_TRUE(mr.Ok()) << mr.error;
  EXPECT_EQ(mr.picture.At(0, 0), (Rgb{255, 255, 255}));

  test::TempDir dir;
  PictureRead missing = ReadBmp(dir.File("NONE.BMP"));
  EXPECT_EQ(missing.error, dir.File("NONE.BMP") + ": the file cannot be opened");
  test::WriteFile(dir.File("CUT.BMP"), cut.Build());
  EXPECT_EQ(ReadBmp(dir.File("CUT.BMP")).error, dir.File("CUT.BMP") + ": the bitmap is cut short");
}

}  // namespace
}  // namespace quill
