// Colour to gray.
#include <gtest/gtest.h>

#include "dib_test_pictures.h"

namespace quill::tiff::test {
namespace {

TEST(DibGray, PalettePicturesKeepTheirIndicesWithAToneTable) {
  Dib src = MakeDib(3, 2, 8, 3);
  src.SetTable(0, 255, 0, 0);         // luminance 76, toned 37
  src.SetTable(1, 0xA0, 0xA0, 0xA0);  // 160, toned 138
  src.SetTable(2, 255, 255, 255);     // 255, toned 254
  for (int x = 0; x < 3; ++x) src.SetPixel(x, 1, static_cast<uint32_t>(2 - x));
  Dib out(ColorToGrayscale(src.get()));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Bits(), 8);
  EXPECT_EQ(out.TableSize(), 3);
  EXPECT_EQ(Rgb(out.Table(0)), 0x252525u);
  EXPECT_EQ(Rgb(out.Table(1)), 0x8A8A8Au);
  EXPECT_EQ(Rgb(out.Table(2)), 0xFEFEFEu);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(out.Pixel(x, 1), static_cast<uint32_t>(2 - x));
  EXPECT_EQ(out.Header().biXPelsPerMeter, 3780);
}

TEST(DibGray, TwentyFourBitsBecomeEightBitGrayWithoutTheCurve) {
  Dib src = MakeDib(3, 1, 24);
  src.SetPixel(0, 0, 0xFF0000);
  src.SetPixel(1, 0, 0x00FF00);
  src.SetPixel(2, 0, 0x0000FF);
  Dib out(ColorToGrayscale(src.get()));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Bits(), 8);
  EXPECT_EQ(out.TableSize(), 256);
  EXPECT_EQ(Rgb(out.Table(200)), 0xC8C8C8u);
  EXPECT_EQ(out.Pixel(0, 0), 76u);
  EXPECT_EQ(out.Pixel(1, 0), 150u);
  EXPECT_EQ(out.Pixel(2, 0), 28u);
}

TEST(DibGray, OneBitAndDeepPicturesAreNotConverted) {
  EXPECT_FALSE(Dib(ColorToGrayscale(MakeDib(4, 4, 1).get())));
  EXPECT_FALSE(Dib(ColorToGrayscale(MakeDib(4, 4, 16).get())));
  EXPECT_FALSE(Dib(ColorToGrayscale(nullptr)));
}

}  // namespace
}  // namespace quill::tiff::test
