// Reducing colours: ImgReduceColors' choice of method and ReduceColorToColor's median cut.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "dib_test_pictures.h"

namespace quill::tiff::test {
namespace {

// A 10 x 1 picture of the colours a, b, c in the counts na, nb, the rest c.
Dib ThreeColours(uint32_t a, int na, uint32_t b, int nb, uint32_t c) {
  Dib dib = MakeDib(10, 1, 24);
  for (int x = 0; x < 10; ++x) dib.SetPixel(x, 0, x < na ? a : x < na + nb ? b : c);
  return dib;
}

// A horizontal gray-green ramp, 64 x 8.
Dib Ramp() {
  Dib dib = MakeDib(64, 8, 24);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 64; ++x) dib.SetPixel(x, y, static_cast<uint32_t>(x * 4 << 16 | (x * 3 + 40) << 8 | x * 4));
  }
  return dib;
}

int ComponentError(uint32_t a, uint32_t b) {
  return std::abs(static_cast<int>(a >> 16) - static_cast<int>(b >> 16)) +
         std::abs(static_cast<int>(a >> 8 & 255) - static_cast<int>(b >> 8 & 255)) +
         std::abs(static_cast<int>(a & 255) - static_cast<int>(b & 255));
}

TEST(DibReduce, FewColoursGetOneEntryEachMostFrequentFirst) {
  Dib src = ThreeColours(0x102030, 2, 0xF0E0D0, 5, 0x807060);
  Dib out(ReduceColorToColor(src.get(), 16, 0));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Bits(), 4);
  EXPECT_EQ(out.TableSize(), 16);
  EXPECT_EQ(Rgb(out.Table(0)), 0xF0E0D0u);
  EXPECT_EQ(Rgb(out.Table(3)), 0u);
  EXPECT_EQ(out.Pixel(2, 0), 0u);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Rgb(out.Table(static_cast<int>(out.Pixel(x, 0)))), src.Pixel(x, 0));
  EXPECT_EQ(out.Header().biYPelsPerMeter, 2835);
}

TEST(DibReduce, ColoursAreCutToFiveBitsAndBoxesSplitAtTheMedian) {
  // Red 5-bit levels 0 (5 pixels), 10 (3) and 20 (2): the running count passes half at level 10, so
  // two colours make the boxes {0, 10} of 8 pixels and {20}; the first box's mean level 30 / 8 = 3.
  Dib src = ThreeColours(0x000000, 5, 0x570000, 3, 0xA40000);
  Dib out(ReduceColorToColor(src.get(), 2, 0));
  ASSERT_TRUE(out);
  EXPECT_EQ(Rgb(out.Table(0)), 0x180000u);
  EXPECT_EQ(Rgb(out.Table(1)), 0xA00000u);
  EXPECT_EQ(out.Pixel(6, 0), 0u);
  EXPECT_EQ(out.Pixel(9, 0), 1u);
}

TEST(DibReduce, ManyColoursMakeAnEightBitPictureCloseToTheSource) {
  Dib src = Ramp();
  Dib out(ReduceColorToColor(src.get(), 200, 0));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Bits(), 8);
  EXPECT_EQ(out.TableSize(), 256);
  for (int x = 0; x < 64; ++x) {
    EXPECT_LE(ComponentError(Rgb(out.Table(static_cast<int>(out.Pixel(x, 3)))), src.Pixel(x, 3)), 3 * 7) << x;
  }
}

TEST(DibReduce, DitherKeepsTheAverageColourOfAnArea) {
  Dib src = Ramp();
  Dib plain(ReduceColorToColor(src.get(), 4, 0));
  Dib dithered(ReduceColorToColor(src.get(), 4, 4));
  ASSERT_TRUE(plain && dithered);
  auto areaError = [&](const Dib& out) {
    double error = 0;
    // The end blocks lie outside the palette's colours; dither cannot reach them either.
    for (int x0 = 8; x0 < 56; x0 += 8) {
      double sum = 0, want = 0;
      for (int y = 0; y < 8; ++y) {
        for (int x = x0; x < x0 + 8; ++x) {
          sum += Rgb(out.Table(static_cast<int>(out.Pixel(x, y)))) >> 16;
          want += src.Pixel(x, y) >> 16;
        }
      }
      error += std::fabs(sum - want) / 64;
    }
    return error;
  };
  EXPECT_LT(areaError(dithered), areaError(plain) / 3);
}

TEST(DibReduce, PalettePicturesAreCountedThroughTheirTable) {
  Dib src = MakeDib(4, 4, 8, 4);
  src.SetTable(0, 0, 0, 0);
  src.SetTable(1, 255, 0, 0);
  src.SetTable(2, 0, 255, 0);
  src.SetTable(3, 0, 0, 255);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) src.SetPixel(x, y, static_cast<uint32_t>(x));
  }
  src.SetPixel(0, 0, 3);
  Dib out(ReduceColorToColor(src.get(), 16, 0));
  ASSERT_TRUE(out);
  EXPECT_EQ(Rgb(out.Table(0)), 0x0000F8u);  // blue has 5 pixels
  EXPECT_EQ(out.Pixel(0, 0), 0u);
  EXPECT_EQ(Rgb(out.Table(static_cast<int>(out.Pixel(1, 2)))), 0xF80000u);
}

TEST(DibReduce, RefusalsAndOtherModes) {
  Dib four = MakeDib(4, 4, 4);
  EXPECT_FALSE(Dib(ReduceColorToColor(four.get(), 17, 0)));  // 16 entries only
  EXPECT_TRUE(Dib(ReduceColorToColor(four.get(), 16, 0)));
  Dib rgb = FlatColor(4, 4, 0x336699);
  EXPECT_FALSE(Dib(ReduceColorToColor(rgb.get(), 0, 0)));
  EXPECT_FALSE(Dib(ReduceColorToColor(rgb.get(), 257, 0)));
  Dib gray(ReduceColorToColor(rgb.get(), 16, 8));
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray.Bits(), 8);
  EXPECT_EQ(Rgb(gray.Table(static_cast<int>(gray.Pixel(0, 0)))), 0x5C5C5Cu);
}

TEST(DibReduce, FixedPaletteModeMapsToTheStandardColours) {
  Dib src = ThreeColours(0xFF0000, 3, 0xFFFFFF, 3, 0x7F0101);
  Dib out(ReduceColorToColor(src.get(), 16, 16));
  ASSERT_TRUE(out);
  EXPECT_EQ(Rgb(out.Table(9)), 0xFF0000u);
  EXPECT_EQ(out.Pixel(0, 0), 9u);
  EXPECT_EQ(out.Pixel(3, 0), 15u);
  EXPECT_EQ(out.Pixel(9, 0), 1u);  // dark red
  Dib full(ReduceColorToColor(src.get(), 256, 16));
  ASSERT_TRUE(full);
  EXPECT_EQ(full.TableSize(), 256);
  EXPECT_EQ(Rgb(full.Table(16 + 36 * 5 + 6 * 2 + 1)), 0xFF6633u);
}

TEST(DibImgReduce, TwoColoursDitherOthersCut) {
  Dib rgb = FlatColor(8, 8, 0x808080);
  Dib bw(ImgReduceColors(rgb.get(), 2, 1));
  ASSERT_TRUE(bw);
  EXPECT_EQ(bw.Bytes(), Dib(DitherToBW(rgb.get(), 1)).Bytes());
  EXPECT_FALSE(Dib(ImgReduceColors(MakeDib(8, 8, 1).get(), 2, 1)));
  EXPECT_FALSE(Dib(ImgReduceColors(rgb.get(), 300, 1)));
  Dib sixteen(ImgReduceColors(rgb.get(), 16, 1));
  ASSERT_TRUE(sixteen);
  EXPECT_EQ(sixteen.Bytes(), Dib(ReduceColorToColor(rgb.get(), 16, 1)).Bytes());
}

}  // namespace
}  // namespace quill::tiff::test
