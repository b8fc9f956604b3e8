// Picture files read without windows: multi-page TIFF files through the TIFF library, bitmaps, and
// files that are damaged, empty or far too large.
#include "raster/picture_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "pixels/bmp.h"
#include "records/little_endian.h"
#include "test_support.h"
#include "tiffio32.h"

namespace quill {
namespace {

// An 8-bit grey DIB whose pixel (x, y from the top) is level(x, y).
template <class Level>
HGLOBAL GreyDib(int width, int height, Level level) {
  size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
  size_t size = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD) + stride * static_cast<size_t>(height);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
  BITMAPINFOHEADER h{};
  h.biSize = 40, h.biWidth = width, h.biHeight = height, h.biPlanes = 1, h.biBitCount = 8, h.biClrUsed = 256;
  std::memcpy(bytes, &h, sizeof h);
  auto* table = reinterpret_cast<RGBQUAD*>(bytes + sizeof h);
  for (int i = 0; i < 256; ++i)
    table[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0};
  unsigned char* rows = bytes + sizeof h + 256 * sizeof(RGBQUAD);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      rows[static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x)] = level(x, y);
  }
  GlobalUnlock(block);
  return block;
}

class PictureFileTest : public ::testing::Test {
 protected:
  void WritePages() {
    HGLOBAL first = GreyDib(20, 10, [](int x, int) { return static_cast<uint8_t>(x * 10); });
    HGLOBAL second = GreyDib(7, 5, [](int, int y) { return static_cast<uint8_t>(200 - y * 30); });
    ASSERT_EQ(writetiffiledib(tiff.c_str(), 5, 8, 0, first, 0, nullptr), 1);
    ASSERT_EQ(writetiffiledib(tiff.c_str(), 32773, 8, 1, second, 0, nullptr), 1);
    GlobalFree(first);
    GlobalFree(second);
  }

  test::TempDir dir;
  std::string tiff = dir.File("scan.tif");
};

TEST_F(PictureFileTest, EveryPageOfATiffFileIsRead) {
  WritePages();
  EXPECT_TRUE(IsTiffFile(tiff));
  EXPECT_EQ(PicturePageCount(tiff), 2);
  PictureRead first = ReadPictureFile(tiff, 0);
  ASSERT_TRUE(first.Ok()) << first.error;
  EXPECT_EQ(first.picture.Width(), 20);
  EXPECT_EQ(first.picture.GreyAt(7, 3), 70);
  PictureRead second = ReadPictureFile(tiff, 1);
  ASSERT_TRUE(second.Ok()) << second.error;
  EXPECT_EQ(second.picture.Width(), 7);
  EXPECT_EQ(second.picture.GreyAt(3, 4), 80);
  PictureRead none = ReadPictureFile(tiff, 2);
  EXPECT_FALSE(none.Ok());
  EXPECT_NE(none.error.find("page 3"), std::string::npos);
}

TEST_F(PictureFileTest, ABitmapIsOnePage) {
  Picture p(3, 2, PixelFormat::Rgb24);
  p.Set(1, 1, {9, 8, 7});
  ASSERT_TRUE(WriteBmp(dir.File("a.bmp"), p));
  EXPECT_FALSE(IsTiffFile(dir.File("a.bmp")));
  EXPECT_EQ(PicturePageCount(dir.File("a.bmp")), 1);
  EXPECT_EQ(ReadPictureFile(dir.File("a.bmp")).picture.At(1, 1), (Rgb{9, 8, 7}));
}

TEST_F(PictureFileTest, DamagedAndTruncatedFilesAreSaidNotRead) {
  WritePages();
  std::string whole = test::ReadFile(tiff);
  for (size_t keep : {size_t{4}, size_t{60}, whole.size() / 2, whole.size() - 3}) {
    test::WriteFile(dir.File("cut.tif"), whole.substr(0, keep));
    PictureRead r = ReadPictureFile(dir.File("cut.tif"), 0);
    if (r.Ok()) continue;  // the cut may miss everything the first page needs
    EXPECT_NE(r.error.find("cut.tif"), std::string::npos);
  }
  std::string error;
  test::WriteFile(dir.File("junk.tif"),
                  "II*\0garbage that is no directory at all, repeated to pass a hundred bytes........");
  EXPECT_EQ(PicturePageCount(dir.File("junk.tif"), &error), 0);
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(ReadPictureFile(dir.File("missing.bmp")).Ok());
}

// A TIFF file that claims 50,000 x 50,000 pixels is refused before anything is read.
TEST_F(PictureFileTest, APictureTooLargeIsRefused) {
  std::string f(256, '\0');
  auto* b = reinterpret_cast<unsigned char*>(f.data());
  b[0] = 'I', b[1] = 'I';
  PutLittleEndian<uint16_t>(b + 2, 42);
  PutLittleEndian<uint32_t>(b + 4, 8);
  const uint16_t tags[][3] = {{256, 4, 0},   {257, 4, 0}, {258, 3, 8},     {259, 3, 1}, {262, 3, 1},
                              {273, 4, 200}, {277, 3, 1}, {278, 4, 50000}, {279, 4, 16}};
  PutLittleEndian<uint16_t>(b + 8, 9);
  for (int i = 0; i < 9; ++i) {
    unsigned char* e = b + 10 + 12 * i;
    PutLittleEndian<uint16_t>(e, tags[i][0]);
    PutLittleEndian<uint16_t>(e + 2, tags[i][1]);
    PutLittleEndian<uint32_t>(e + 4, 1);
    uint32_t value = tags[i][0] == 256 || tags[i][0] == 257 ? 50000 : tags[i][2];
    if (tags[i][1] == 3)
      PutLittleEndian<uint16_t>(e + 8, static_cast<uint16_t>(value));
    else
      PutLittleEndian<uint32_t>(e + 8, value);
  }
  test::WriteFile(dir.File("huge.tif"), f);
  PictureRead r = ReadPictureFile(dir.File("huge.tif"));
  ASSERT_FALSE(r.Ok());
  EXPECT_NE(r.error.find("too large"), std::string::npos) << r.error;
}

}  // namespace
}  // namespace quill
