// The depth change that reading and writing apply: 16-bit gray pages brought to the depth asked for,
// and pictures written at a depth other than their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib_test_pictures.h"
#include "tiff_maker.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

// A 4 x 1 page of 16-bit gray samples 0, 0x8000, 0xFFFF and 0x1234, stored little-endian.
std::string SixteenBitPage() {
  TiffMaker maker;
  maker.Page(4, 1, {16}, 1, 1, {0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0x34, 0x12});
  return maker.Bytes();
}
const uint32_t kGrays[4] = {0, 127, 255, 18};  // sample × 255 / 65535

Dib Read(const std::string& tiff, int bits, int convert) {
  HGLOBAL dib = nullptr;
  readtiffiledibstream(reinterpret_cast<const uint8_t*>(tiff.data()), static_cast<uint32_t>(tiff.size()),
                       static_cast<int16_t>(bits), static_cast<int16_t>(convert), 0, &dib, 0, nullptr);
  return Dib(dib);
}

TEST(DibDepth, SixteenBitGrayBecomesEightBitGray) {
  for (int convert : {0, 1}) {
    Dib dib = Read(SixteenBitPage(), 8, convert);
    ASSERT_TRUE(dib) << convert;
    EXPECT_EQ(dib.Bits(), 8);
    EXPECT_EQ(Rgb(dib.Table(127)), 0x7F7F7Fu);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dib.Pixel(x, 0), kGrays[x]) << x;
  }
  Dib gray = Read(SixteenBitPage(), 0, 1);
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray.Bits(), 8);
  EXPECT_EQ(gray.Pixel(3, 0), kGrays[3]);
}

TEST(DibDepth, SixteenBitGrayAt24BitsStaysGray) {
  Dib dib = Read(SixteenBitPage(), 24, 0);
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib.Bits(), 24);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(dib.Pixel(x, 0), kGrays[x] * 0x010101u) << x;
}

TEST(DibDepth, SixteenBitsAreKeptWhenSixteenAreAsked) {
  for (int bits : {16, 1616}) {
    Dib dib = Read(SixteenBitPage(), bits, 1);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib.Bits(), 16);
    EXPECT_EQ(dib.Pixel(1, 0), 0x8000u);
    EXPECT_EQ(dib.Pixel(3, 0), 0x1234u);
  }
  // Without convert only 8, 16, 24 and 1616 change such a page.
  EXPECT_EQ(Read(SixteenBitPage(), 4, 0).Bits(), 16);
}

TEST(DibDepth, SixteenBitGrayReachesOneAndFourBitsThroughEightBitGray) {
  Dib bw = Read(SixteenBitPage(), 1, 1);
  ASSERT_TRUE(bw);
  EXPECT_EQ(bw.Bits(), 1);
  EXPECT_EQ(bw.Pixel(0, 0), 0u);
  EXPECT_EQ(bw.Pixel(2, 0), 1u);
  Dib four = Read(SixteenBitPage(), 4, 1);
  ASSERT_TRUE(four);
  EXPECT_EQ(four.Bits(), 4);
  EXPECT_EQ(Rgb(four.Table(static_cast<int>(four.Pixel(2, 0)))), 0xF8F8F8u);
}

TEST(DibDepth, WritingAtAnotherDepthConvertsFirst) {
  Dib rgb = MakeDib(12, 9, 24);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 12; ++x) rgb.SetPixel(x, y, static_cast<uint32_t>((x * 20) << 16 | (y * 25) << 8 | 90));
  }
  const std::vector<uint8_t> before = rgb.Bytes();
  // Black and white by ordered dither.
  Dib bw = ReadBytes(WriteBytes(rgb, 1, 1));
  ASSERT_TRUE(bw);
  Dib dithered(DitherToBW(rgb.get(), 1));
  EXPECT_TRUE(SamePicture(dithered, bw));
  // 16 colours by median cut, without dither.
  Dib sixteen = ReadBytes(WriteBytes(rgb, 5, 4));
  ASSERT_TRUE(sixteen);
  EXPECT_EQ(sixteen.Bits(), 4);
  EXPECT_TRUE(SamePicture(Dib(ReduceColorToColor(rgb.get(), 16, 1)), sixteen));
  // Gray.
  Dib gray = ReadBytes(WriteBytes(rgb, 32773, 0));
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray.Bits(), 8);
  EXPECT_TRUE(SamePicture(Dib(ColorToGrayscale(rgb.get())), gray));
  EXPECT_EQ(rgb.Bytes(), before);
}

TEST(DibDepth, PalettePicturesWrittenDeeperKeepTheirColours) {
  Dib four = PatternDib(10, 6, 4);
  Dib deep = ReadBytes(WriteBytes(four, 1, 24));
  ASSERT_TRUE(deep);
  EXPECT_EQ(deep.Bits(), 24);
  EXPECT_TRUE(SamePicture(four, deep));
  Dib eight = ReadBytes(WriteBytes(four, 5, 8));
  ASSERT_TRUE(eight);
  EXPECT_EQ(eight.Bits(), 8);
  EXPECT_TRUE(SamePicture(four, eight));
}

TEST(DibDepth, ThirtyTwoBitPicturesAreWrittenWithTheirColours) {
  // A caller's 32-bit picture: blue, green, red and an unused byte.
  Dib wide = MakeDib(3, 2, 32);
  auto* px = static_cast<uint8_t*>(GlobalLock(wide.get())) + 40;
  const uint8_t bytes[] = {0x30, 0x20, 0x10, 0xFF, 0xA0, 0xB0, 0xC0, 0x00, 0xFF, 0x00, 0x00, 0x7F};
  std::memcpy(px, bytes, sizeof bytes);
  GlobalUnlock(wide.get());
  Dib rgb = ReadBytes(WriteBytes(wide, 5, 24));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb.Bits(), 24);
  EXPECT_EQ(rgb.Pixel(0, 1), 0x102030u);
  EXPECT_EQ(rgb.Pixel(1, 1), 0xC0B0A0u);
  EXPECT_EQ(rgb.Pixel(2, 1), 0x0000FFu);
  Dib gray = ReadBytes(WriteBytes(wide, 1, 0));
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray.Pixel(2, 1), 28u);  // pure blue
}

}  // namespace
}  // namespace quill::tiff::test
