// Raising palette pictures to 4, 8 and 24 bits.
#include <gtest/gtest.h>

#include "dib_test_pictures.h"

namespace quill::tiff::test {
namespace {

// 13 pixels a row, so rows end in padding at every depth.
Dib Checker1Bit() {
  Dib dib = MakeDib(13, 3, 1);
  dib.SetTable(0, 10, 20, 30);
  dib.SetTable(1, 200, 210, 220);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 13; ++x) dib.SetPixel(x, y, (x + y) % 2);
  }
  return dib;
}

TEST(DibRaise, OneBitTo8KeepsIndicesAndCopiesTheTwoEntries) {
  Dib src = Checker1Bit();
  Dib out(ImgIncreaseColors(src.get(), 8));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Bits(), 8);
  EXPECT_EQ(out.TableSize(), 256);
  EXPECT_EQ(Rgb(out.Table(0)), 0x0A141Eu);
  EXPECT_EQ(Rgb(out.Table(1)), 0xC8D2DCu);
  EXPECT_EQ(Rgb(out.Table(2)), 0u);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 13; ++x) EXPECT_EQ(out.Pixel(x, y), static_cast<uint32_t>((x + y) % 2));
  }
  EXPECT_EQ(out.Header().biXPelsPerMeter, 3780);
  EXPECT_EQ(out.Header().biYPelsPerMeter, 2835);
}

TEST(DibRaise, FourBitTo24TakesEachPixelsPaletteColour) {
  Dib src = MakeDib(5, 2, 4);
  for (int i = 0; i < 16; ++i) src.SetTable(i, static_cast<uint8_t>(i * 16), 7, static_cast<uint8_t>(255 - i));
  for (int x = 0; x < 5; ++x) src.SetPixel(x, 0, static_cast<uint32_t>(x + 10));
  Dib out(DIB4To24(src.get()));
  ASSERT_TRUE(out);
  EXPECT_EQ(out.Bits(), 24);
  EXPECT_EQ(out.TableSize(), 0);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(out.Pixel(x, 0), Rgb(src.Table(x + 10)));
  EXPECT_EQ(out.Pixel(0, 1), Rgb(src.Table(0)));
}

TEST(DibRaise, FixedStepsSetTheWholeTableAndChainLikeSingleSteps) {
  Dib src = Checker1Bit();
  Dib four(DIB1to4(src.get()));
  ASSERT_TRUE(four);
  EXPECT_EQ(four.Header().biClrUsed, 16u);
  Dib eight(DIB4To8(four.get()));
  ASSERT_TRUE(eight);
  EXPECT_EQ(eight.Header().biClrUsed, 256u);
  Dib stepped(DIB8To24(eight.get()));
  Dib chained(DIB1To24(src.get()));
  ASSERT_TRUE(stepped && chained);
  EXPECT_EQ(chained.Bytes(), stepped.Bytes());
  EXPECT_EQ(Dib(DIB1To8(src.get())).Bytes(), eight.Bytes());
  EXPECT_EQ(Dib(DIB4To24(four.get())).Bytes(), stepped.Bytes());
}

TEST(DibRaise, FixedStepsRefuseOtherDepthsAndHeaders) {
  Dib eight = MakeDib(4, 4, 8);
  EXPECT_FALSE(Dib(DIB1to4(eight.get())));
  EXPECT_FALSE(Dib(DIB4To8(eight.get())));
  EXPECT_FALSE(Dib(DIB1To24(eight.get())));
  // A 1-bit picture behind a longer header is a sound DIB, but not one the fixed steps take.
  Dib longHeader = MakeDib(4, 4, 1);
  auto* h = static_cast<BITMAPINFOHEADER*>(GlobalLock(longHeader.get()));
  h->biSize = 44;
  GlobalUnlock(longHeader.get());
  ASSERT_TRUE(GlobalReAlloc(longHeader.get(), GlobalSize(longHeader.get()) + 4, GMEM_ZEROINIT));
  EXPECT_FALSE(Dib(DIB1to4(longHeader.get())));
  EXPECT_TRUE(Dib(ImgIncreaseColors(longHeader.get(), 4)));
}

TEST(DibRaise, IncreaseRefusesWhatIsNotShallowerOrTooLarge) {
  Dib eight = MakeDib(8, 8, 8);
  EXPECT_FALSE(Dib(ImgIncreaseColors(eight.get(), 8)));
  EXPECT_FALSE(Dib(ImgIncreaseColors(eight.get(), 4)));
  EXPECT_FALSE(Dib(ImgIncreaseColors(eight.get(), 16)));
  Dib rgb = MakeDib(8, 8, 24);
  EXPECT_FALSE(Dib(ImgIncreaseColors(rgb.get(), 24)));
  // It makes at most 16,000,000 bytes: 4000 x 1334 x 3 is more.
  Dib wide = MakeDib(4000, 1334, 1);
  EXPECT_FALSE(Dib(ImgIncreaseColors(wide.get(), 24)));
}

}  // namespace
}  // namespace quill::tiff::test
