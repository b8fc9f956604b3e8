// Pages written and read back: every compression at every depth, files and streams, several pages.
#include <gtest/gtest.h>

#include "test_support.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

struct Case {
  int bits;
  int compression;
};

// Sizes chosen so that pages run over several strips and rows end inside a byte.
Dib PictureFor(int bits) {
  return bits == 1 ? PatternDib(997, 131, 1) : PatternDib(211, 97, bits);
}

TEST(TiffRoundTrip, EveryCompressionAndDepthReadsBackTheSamePicture) {
  const Case cases[] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},  {1, 6},  {4, 1},     {4, 5},
                        {4, 6}, {8, 0}, {8, 5}, {8, 6}, {24, 1}, {24, 5}, {24, 32773}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression);
    const Dib picture = PictureFor(c.bits);
    const std::string tiff = WriteBytes(picture, c.compression);
    ASSERT_FALSE(tiff.empty());
    Dib back = ReadBytes(tiff);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.Bits(), c.bits);
    EXPECT_TRUE(SamePicture(picture, back));
  }
}

TEST(TiffRoundTrip, WritingNeverChangesTheCallersPicture) {
  const Dib picture = PatternDib(64, 40, 24);
  const std::vector<uint8_t> before = picture.Bytes();
  ASSERT_FALSE(WriteBytes(picture, 5).empty());
  EXPECT_EQ(picture.Bytes(), before);
}

TEST(TiffRoundTrip, CcittCompressionStoresOneBitPages) {
  const Dib picture = FlatColor(40, 10, 0xFFFFFF);
  for (int compression : {2, 3, 4}) {
    const std::string tiff = WriteBytes(picture, compression, 24);
    ASSERT_FALSE(tiff.empty());
    Dib back = ReadBytes(tiff);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.Bits(), 1);
    EXPECT_EQ(ColorAt(back, 5, 5), 0xFFFFFFu);
  }
}

TEST(TiffRoundTrip, StreamWriteWithoutBlockMakesOneAndAppendsGrowIt) {
  Stream s;
  const Dib picture = PatternDib(700, 400, 8);  // more than the first 256 KB step
  ASSERT_EQ(writetiffiledibstream(&s.data, &s.size, 1, 8, 0, picture.get(), 0, nullptr), 1);
  ASSERT_NE(s.data, nullptr);
  EXPECT_GT(GlobalSize(GlobalHandle(s.data)), s.size);
  const uint32_t firstSize = s.size;
  ASSERT_EQ(writetiffiledibstream(&s.data, &s.size, 5, 8, 1, picture.get(), 0, nullptr), 1);
  EXPECT_GT(s.size, firstSize);
  EXPECT_EQ(GlobalSize(GlobalHandle(s.data)) % 262144, 0u);
  int16_t pages = 0;
  ASSERT_EQ(getinfostream(s.data, s.size, 1, nullptr, nullptr, nullptr, nullptr, &pages, nullptr), 1);
  EXPECT_EQ(pages, 2);
  EXPECT_TRUE(SamePicture(picture, ReadBytes(s.Bytes(), 1)));
}

TEST(TiffRoundTrip, StreamWriteWithoutAppendReplacesTheStream) {
  Stream s;
  const Dib first = PatternDib(30, 20, 24), second = PatternDib(20, 10, 4);
  ASSERT_EQ(writetiffiledibstream(&s.data, &s.size, 5, 24, 0, first.get(), 0, nullptr), 1);
  ASSERT_EQ(writetiffiledibstream(&s.data, &s.size, 5, 24, 1, first.get(), 0, nullptr), 1);
  ASSERT_EQ(writetiffiledibstream(&s.data, &s.size, 1, 4, 0, second.get(), 0, nullptr), 1);
  int16_t pages = 0;
  ASSERT_EQ(getinfostream(s.data, s.size, 0, nullptr, nullptr, nullptr, nullptr, &pages, nullptr), 1);
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(SamePicture(second, ReadBytes(s.Bytes())));
}

TEST(TiffRoundTrip, FilesCollectPagesInOrderAndReportTheirFacts) {
  quill::test::TempDir dir;
  const std::string path = dir.File("pages.tif");
  const Dib a = PatternDib(50, 30, 1), b = PatternDib(31, 17, 8), c = PatternDib(64, 9, 24);
  ASSERT_EQ(writetiffiledib(path.c_str(), 4, 1, 0, a.get(), 0, nullptr), 1);
  ASSERT_EQ(writetiffiledib(path.c_str(), 6, 8, 1, b.get(), 0, nullptr), 1);
  ASSERT_EQ(writetiffiledib(path.c_str(), 5, 24, 1, c.get(), 0, nullptr), 1);
  EXPECT_TRUE(SamePicture(a, ReadPath(path, 0)));
  EXPECT_TRUE(SamePicture(b, ReadPath(path, 1)));
  EXPECT_TRUE(SamePicture(c, ReadPath(path, 2)));
  int32_t width = 0, height = 0, reserved = 0;
  uint16_t compression = 0;
  int16_t pages = 0, bpp = 0;
  ASSERT_EQ(getinfo(path.c_str(), 1, &width, &height, &compression, &reserved, &pages, &bpp), 1);
  EXPECT_EQ(width, 31);
  EXPECT_EQ(height, 17);
  EXPECT_EQ(compression, 32773);
  EXPECT_EQ(pages, 3);
  EXPECT_EQ(bpp, 8);
  ASSERT_EQ(getinfo(path.c_str(), 2, &width, &height, &compression, &reserved, &pages, &bpp), 1);
  EXPECT_EQ(bpp, 24);
  EXPECT_EQ(compression, 5);
}

TEST(TiffRoundTrip, WritingWithoutAppendLeavesOnePage) {
  quill::test::TempDir dir;
  const std::string path = dir.File("three.tif");
  const Dib page = PatternDib(20, 20, 8);
  for (int append : {0, 1, 1}) ASSERT_EQ(writetiffiledib(path.c_str(), 1, 8, append, page.get(), 0, nullptr), 1);
  ASSERT_EQ(PageCount(path), 3);
  ASSERT_EQ(writetiffiledib(path.c_str(), 1, 8, 0, page.get(), 0, nullptr), 1);
  EXPECT_EQ(PageCount(path), 1);
  EXPECT_FALSE(quill::test::FileExists(path + ".new~"));
}

TEST(TiffRoundTrip, ReadingConvertsToTheWantedDepth) {
  const std::string tiff = WriteBytes(PatternDib(40, 30, 24), 5);
  Stream s(tiff);
  HGLOBAL out = nullptr;
  ASSERT_EQ(readtiffiledibstream(s.data, s.size, 1, 1, 0, &out, 0, nullptr), 1);
  EXPECT_EQ(Dib(out).Bits(), 1);
  ASSERT_EQ(readtiffiledibstream(s.data, s.size, 0, 1, 0, &out, 0, nullptr), 1);
  Dib gray(out);
  EXPECT_EQ(gray.Bits(), 8);
  EXPECT_EQ(Rgb(gray.Table(200)), 0xC8C8C8u);
}

}  // namespace
}  // namespace quill::tiff::test
