// Black and white: DitherToBW's four methods through the tone curve, and the per-component error
// diffusion of DIB24To1 and its palette forms.
#include <gtest/gtest.h>

#include <string>

#include "dib_test_pictures.h"

namespace quill::tiff::test {
namespace {

constexpr uint8_t kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},    {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},   {63, 31, 55, 23, 61, 29, 53, 21},
};

std::string FirstRow(const Dib& dib, int n) {
  std::string row;
  for (int x = 0; x < n; ++x) row += dib.Pixel(x, 0) ? '1' : '0';
  return row;
}

TEST(DibDitherToBW, OutputIsOneBitBlackWhiteOfTheSameSizeAndResolution) {
  Dib src = FlatColor(9, 5, 0x808080);
  Dib out(DitherToBW(src.get(), 0));
  ASSERT_TRUE(out);
  const BITMAPINFOHEADER h = out.Header();
  EXPECT_EQ(h.biBitCount, 1);
  EXPECT_EQ(h.biWidth, 9);
  EXPECT_EQ(h.biHeight, 5);
  EXPECT_EQ(h.biXPelsPerMeter, 3780);
  EXPECT_EQ(h.biYPelsPerMeter, 2835);
  EXPECT_EQ(out.TableSize(), 2);
  const RGBQUAD black = out.Table(0), white = out.Table(1);
  EXPECT_EQ(Rgb(black), 0u);
  EXPECT_EQ(black.rgbReserved, 0);
  EXPECT_EQ(Rgb(white), 0xFFFFFFu);
  EXPECT_EQ(white.rgbReserved, 0xFF);
}

TEST(DibDitherToBW, ThresholdComparesTheTonedLuminance) {
  // Luminance 150 tones to 118 (black), 160 to 138 (white): the curve, not the raw value, decides.
  Dib src = MakeDib(2, 1, 24);
  src.SetPixel(0, 0, 0x969696);
  src.SetPixel(1, 0, 0xA0A0A0);
  Dib out(DitherToBW(src.get(), 0));
  ASSERT_TRUE(out);
  EXPECT_EQ(FirstRow(out, 2), "01");
}

TEST(DibDitherToBW, OrderedDitherFollowsTheMatrixFromTheTopLeft) {
  // Gray 128 tones to 89: white where the matrix holds less than 89 / 4 = 22, so 22 of 64.  The odd
  // height shows the rows are counted from the top of the picture.
  Dib src = FlatColor(16, 11, 0x808080);
  Dib out(DitherToBW(src.get(), 1));
  ASSERT_TRUE(out);
  int white = 0;
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(out.Pixel(x, y), kBayer[x % 8][y % 8] < 22 ? 1u : 0u) << x << "," << y;
      white += y < 8 ? static_cast<int>(out.Pixel(x, y)) : 0;
    }
  }
  EXPECT_EQ(white, 2 * 22);
}

TEST(DibDitherToBW, DiffusionMethodsSpreadTheirOwnShares) {
  // Gray 128 (tone 89).  Floyd-Steinberg passes 7/16 of 89 on and turns white at the third pixel;
  // Burkes passes 8/32 and 4/32 and does so at the fourth.
  Dib src = FlatColor(4, 1, 0x808080);
  Dib floyd(DitherToBW(src.get(), 4));
  Dib burkes(DitherToBW(src.get(), 2));
  ASSERT_TRUE(floyd && burkes);
  EXPECT_EQ(FirstRow(floyd, 4), "0010");
  EXPECT_EQ(FirstRow(burkes, 4), "0001");
  // The lowest flag set wins.
  EXPECT_EQ(Dib(DitherToBW(src.get(), 6)).Bytes(), burkes.Bytes());
  EXPECT_EQ(Dib(DitherToBW(src.get(), 7)).Bytes(), Dib(DitherToBW(src.get(), 1)).Bytes());
}

TEST(DibDitherToBW, DiffusionKeepsTheToneOverAnArea) {
  Dib src = FlatColor(64, 64, 0xC8C8C8);  // tone of 200 is 221
  for (int flags : {2, 4}) {
    Dib out(DitherToBW(src.get(), static_cast<int16_t>(flags)));
    ASSERT_TRUE(out);
    EXPECT_NEAR(WhiteShare(out), 221.0 / 255.0, 0.02) << flags;
  }
  Dib black = FlatColor(16, 16, 0x000000), white = FlatColor(16, 16, 0xFFFFFF);
  for (int flags : {0, 1, 2, 4}) {
    EXPECT_EQ(WhiteShare(Dib(DitherToBW(black.get(), static_cast<int16_t>(flags)))), 0.0);
    EXPECT_EQ(WhiteShare(Dib(DitherToBW(white.get(), static_cast<int16_t>(flags)))), 1.0);
  }
}

TEST(DibDitherToBW, PalettePicturesUseTheirEntriesColours) {
  Dib src = MakeDib(3, 1, 4, 3);
  src.SetTable(0, 0, 0, 0);
  src.SetTable(1, 0xA0, 0xA0, 0xA0);
  src.SetTable(2, 0x96, 0x96, 0x96);
  src.SetPixel(0, 0, 1);
  src.SetPixel(1, 0, 2);
  src.SetPixel(2, 0, 15);  // past the table: black
  EXPECT_EQ(FirstRow(Dib(DitherToBW(src.get(), 0)), 3), "100");
  Dib deep = MakeDib(3, 1, 16);
  EXPECT_FALSE(Dib(DitherToBW(deep.get(), 0)));
}

TEST(DibDiffuse, DecidesByWeightedLuminanceAtHalfScale) {
  // 128 gray weighs exactly 32,768 (white); 127 gray falls short.
  Dib src = MakeDib(2, 2, 24);
  src.SetPixel(0, 0, 0x808080);
  src.SetPixel(1, 1, 0x7F7F7F);
  Dib out(DIB24To1(src.get()));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Pixel(0, 0), 1u);
  EXPECT_EQ(out.Pixel(1, 1), 0u);
  EXPECT_EQ(Rgb(out.Table(1)), 0xFFFFFFu);
}

TEST(DibDiffuse, SpreadsEachComponentsError) {
  // (200, 100, 50) is just dark (Y = 31,900); the errors it passes on turn its right neighbour white.
  Dib brown = FlatColor(32, 32, 0xC86432);
  Dib out(DIB24To1(brown.get()));
  ASSERT_TRUE(out);
  EXPECT_EQ(FirstRow(out, 2), "01");
  const double share = WhiteShare(out);
  EXPECT_GT(share, 0.3);
  EXPECT_LT(share, 0.7);
  Dib gray = FlatColor(32, 32, 0x808080);
  EXPECT_NEAR(WhiteShare(Dib(DIB24To1(gray.get()))), 0.5, 0.05);
  // The caller's picture is diffused as a copy.
  EXPECT_EQ(brown.Pixel(31, 31), 0xC86432u);
}

TEST(DibDiffuse, PaletteFormsMatchTheir24BitPicture) {
  Dib eight = MakeDib(21, 7, 8);
  for (int i = 0; i < 256; ++i) eight.SetTable(i, static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 99);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 21; ++x) eight.SetPixel(x, y, static_cast<uint32_t>(x * 12 + y));
  }
  Dib rgb(DIB8To24(eight.get()));
  EXPECT_EQ(Dib(DIB8To1(eight.get())).Bytes(), Dib(DIB24To1(rgb.get())).Bytes());
  Dib four = MakeDib(21, 7, 4);
  four.SetTable(3, 200, 100, 50);
  four.SetPixel(5, 5, 3);
  Dib four24(DIB4To24(four.get()));
  EXPECT_EQ(Dib(DIB4To1(four.get())).Bytes(), Dib(DIB24To1(four24.get())).Bytes());
  EXPECT_FALSE(Dib(DIB24To1(eight.get())));
  EXPECT_FALSE(Dib(DIB8To1(four.get())));
}

}  // namespace
}  // namespace quill::tiff::test
