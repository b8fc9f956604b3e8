// ReduceDib and ConvertDib: 24-bit pictures to 16 or 256 colours with an optimised, fixed or given
// palette, in place of the caller's DIB.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib_test_pictures.h"

namespace quill::tiff::test {
namespace {

// A horizontal ramp through gray, 64 x 8.
Dib GrayRamp() {
  Dib dib = MakeDib(64, 8, 24);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 64; ++x) dib.SetPixel(x, y, static_cast<uint32_t>(x * 4 * 0x010101));
  }
  return dib;
}

// Hands the test's DIB to the call and takes back whatever block *dib names afterwards.
template <class Call>
int16_t InPlace(Dib& dib, Call call) {
  HGLOBAL handle = dib.get();
  const int16_t code = call(&handle);
  if (handle != dib.get()) {
    Dib replaced(handle);
    std::swap(dib, replaced);
    static_cast<void>(replaced.Release());  // the call released it
  }
  return code;
}

uint32_t ColourAt(const Dib& dib, int x, int y) {
  return Rgb(dib.Table(static_cast<int>(dib.Pixel(x, y))));
}

TEST(DibReduceDib, OptimisedPaletteGivesEachColourItsCellCentre) {
  Dib dib = MakeDib(3, 2, 24);
  dib.SetPixel(0, 0, 0x102030);
  dib.SetPixel(1, 0, 0xE0C0A0);
  dib.SetPixel(2, 1, 0x00FF00);
  const int16_t code =
      InPlace(dib, [](HGLOBAL* h) { return ReduceDib(h, 8, DIB_PALETTE_OPTIMISED, nullptr, 0, 0, 0); });
  ASSERT_EQ(code, DIB_REDUCED);
  EXPECT_EQ(dib.Bits(), 8);
  EXPECT_EQ(dib.TableSize(), 256);
  // Centres of the cells: red and blue in steps of 8 (centre + 4), green in steps of 4 (centre + 2).
  EXPECT_EQ(ColourAt(dib, 0, 0), 0x142234u);
  EXPECT_EQ(ColourAt(dib, 1, 0), 0xE4C2A4u);
  EXPECT_EQ(ColourAt(dib, 2, 1), 0x04FE04u);
  EXPECT_EQ(ColourAt(dib, 0, 1), 0x040204u);  // black
  EXPECT_EQ(Rgb(dib.Table(4)), 0u);
  EXPECT_EQ(dib.Header().biXPelsPerMeter, 3780);
}

TEST(DibReduceDib, SixteenColoursFollowARampClosely) {
  Dib dib = GrayRamp();
  ASSERT_EQ(InPlace(dib, [](HGLOBAL* h) { return ReduceDib(h, 4, DIB_PALETTE_OPTIMISED, nullptr, 0, 0, 0); }),
            DIB_REDUCED);
  EXPECT_EQ(dib.Bits(), 4);
  for (int x = 0; x < 64; ++x) {
    const int want = x * 4, got = static_cast<int>(ColourAt(dib, x, 0) >> 16);
    EXPECT_LE(std::abs(got - want), 10) << x;
  }
}

TEST(DibReduceDib, CallersPaletteIsMatchedAsTheEyeWeighsColour) {
  // (100, 100, 100) is nearer (100, 130, 100) by plain distance, but green weighs 9 and red 4.
  const std::vector<PALETTEENTRY> palette = {{100, 130, 100, 7}, {140, 100, 100, 7}, {0, 0, 0, 0}};
  Dib dib = FlatColor(4, 2, 0x646464);
  ASSERT_EQ(InPlace(dib, [&](HGLOBAL* h) { return ReduceDib(h, 4, DIB_PALETTE_CALLER, palette.data(), 2, 0, 0); }),
            DIB_REDUCED);
  EXPECT_EQ(Rgb(dib.Table(0)), 0x648264u);
  EXPECT_EQ(dib.Table(0).rgbReserved, 0);
  EXPECT_EQ(Rgb(dib.Table(2)), 0u);  // only the first two were given
  EXPECT_EQ(dib.Pixel(0, 0), 1u);
}

TEST(DibReduceDib, DepthZeroUsesTheFixedSixteenWithDither) {
  Dib dib = FlatColor(16, 16, 0x800000);  // between black and maroon's neighbours: maroon exactly
  ASSERT_EQ(InPlace(dib, [](HGLOBAL* h) { return ReduceDib(h, 0, DIB_PALETTE_OPTIMISED, nullptr, 0, 0, 0); }),
            DIB_REDUCED);
  EXPECT_EQ(dib.Bits(), 4);
  EXPECT_EQ(Rgb(dib.Table(1)), 0x800000u);
  EXPECT_EQ(Rgb(dib.Table(15)), 0xFFFFFFu);
  EXPECT_EQ(dib.Pixel(7, 7), 1u);
  Dib gray = FlatColor(32, 32, 0x404040);  // a quarter of the way from black to gray 128
  ASSERT_EQ(InPlace(gray, [](HGLOBAL* h) { return ReduceDib(h, 0, DIB_PALETTE_SYSTEM, nullptr, 0, 0, 0); }),
            DIB_REDUCED);
  int mixed = 0;
  for (int x = 0; x < 32; ++x) mixed += gray.Pixel(x, 16) != gray.Pixel(0, 16);
  EXPECT_GT(mixed, 4);
}

TEST(DibReduceDib, DitherKeepsTheAverageOfAnArea) {
  Dib plain = GrayRamp(), dithered = GrayRamp();
  auto reduce = [](bool dither) {
    return [dither](HGLOBAL* h) { return ReduceDib(h, 4, DIB_PALETTE_SYSTEM, nullptr, 0, dither, 0); };
  };
  ASSERT_EQ(InPlace(plain, reduce(false)), DIB_REDUCED);
  ASSERT_EQ(InPlace(dithered, reduce(true)), DIB_REDUCED);
  auto blockError = [](const Dib& dib) {
    double error = 0;
    for (int x0 = 8; x0 < 56; x0 += 8) {
      double sum = 0, want = 0;
      for (int y = 0; y < 8; ++y) {
        for (int x = x0; x < x0 + 8; ++x) sum += ColourAt(dib, x, y) >> 8 & 255, want += x * 4;
      }
      error += std::abs(sum - want) / 64;
    }
    return error;
  };
  EXPECT_LT(blockError(dithered), blockError(plain) / 2);
}

TEST(DibReduceDib, FailuresLeaveTheCallersDib) {
  Dib eight = MakeDib(4, 4, 8);
  const std::vector<uint8_t> before = eight.Bytes();
  EXPECT_EQ(InPlace(eight, [](HGLOBAL* h) { return ReduceDib(h, 8, 0, nullptr, 0, 0, 0); }), DIB_NOT_24_BIT);
  EXPECT_EQ(eight.Bytes(), before);
  Dib rgb = FlatColor(4, 4, 0x123456);
  EXPECT_EQ(InPlace(rgb, [](HGLOBAL* h) { return ReduceDib(h, 24, 0, nullptr, 0, 0, 0); }), DIB_REDUCE_FAILED);
  EXPECT_EQ(InPlace(rgb, [](HGLOBAL* h) { return ReduceDib(h, 8, DIB_PALETTE_CALLER, nullptr, 3, 0, 0); }),
            DIB_REDUCE_FAILED);
  EXPECT_EQ(InPlace(rgb, [](HGLOBAL* h) { return ReduceDib(h, 8, 9, nullptr, 0, 0, 0); }), DIB_REDUCE_FAILED);
  EXPECT_EQ(rgb.Bits(), 24);
  EXPECT_EQ(ReduceDib(nullptr, 8, 0, nullptr, 0, 0, 0), DIB_REDUCE_FAILED);
  testing::internal::CaptureStderr();
  EXPECT_EQ(InPlace(eight, [](HGLOBAL* h) { return ReduceDib(h, 8, 0, nullptr, 0, 0, 1); }), DIB_NOT_24_BIT);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Only 24-bit colour pictures can be reduced.\n");
}

std::vector<int> g_percents;
int16_t Record(int32_t percent, int32_t user) {
  g_percents.push_back(percent);
  return static_cast<int16_t>(user == 0 || percent < user);
}

TEST(DibReduceDib, ProgressCoversCountingAndMappingAndMayCancel) {
  Dib dib = GrayRamp();  // 8 rows: the callback comes every row
  g_percents.clear();
  ASSERT_EQ(InPlace(dib, [](HGLOBAL* h) { return ReduceDib2(h, 8, 0, nullptr, 0, 1, 0, 0, Record); }), DIB_REDUCED);
  const std::vector<int> want = {33, 37, 41, 45, 50, 54, 58, 62, 66, 70, 75, 79, 83, 87, 91, 95};
  EXPECT_EQ(g_percents, want);
  Dib again = GrayRamp();
  g_percents.clear();
  EXPECT_EQ(InPlace(again, [](HGLOBAL* h) { return ReduceDib2(h, 8, 0, nullptr, 0, 1, 0, 70, Record); }),
            DIB_REDUCE_FAILED);
  EXPECT_EQ(g_percents.back(), 70);
  EXPECT_EQ(again.Bits(), 24);
}

TEST(DibConvertDib, PalettePicturesAreMade24BitFirst) {
  Dib four = MakeDib(5, 3, 4);
  four.SetTable(1, 255, 0, 0);
  four.SetPixel(2, 1, 1);
  ASSERT_EQ(InPlace(four, [](HGLOBAL* h) { return ConvertDib(h, 8, 0, 0); }), DIB_REDUCED);
  EXPECT_EQ(four.Bits(), 8);
  EXPECT_EQ(ColourAt(four, 2, 1), 0xFC0204u);
  EXPECT_EQ(ColourAt(four, 0, 0), 0x040204u);
  Dib deep = MakeDib(4, 4, 16);
  EXPECT_EQ(InPlace(deep, [](HGLOBAL* h) { return ConvertDib2(h, 8, 0, 0, 0, nullptr); }), DIB_NOT_24_BIT);
}

}  // namespace
}  // namespace quill::tiff::test
