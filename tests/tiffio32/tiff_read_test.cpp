// Reading pages that this library does not write itself: defaults for missing tags, depths, photometrics,
// colour maps, planes, predictors, extra samples, and pages it refuses.
#include <gtest/gtest.h>

#include "tiff_maker.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

TEST(TiffRead, MissingOrOversizedRowsPerStripMeansOneStrip) {
  for (uint32_t rows : {0u, 50u}) {
    TiffMaker m;
    m.Page(2, 3, {8}, 1, 1, {1, 2, 3, 4, 5, 6});
    if (rows != 0) m.Long(278, {rows});
    Dib dib = ReadBytes(m.Bytes());
    ASSERT_TRUE(dib) << rows;
    EXPECT_EQ(dib.Pixel(0, 0), 1u);
    EXPECT_EQ(dib.Pixel(1, 2), 6u);
  }
}

TEST(TiffRead, SmallGrayDepthsWidenWithTheirValuesKept) {
  TiffMaker m;
  m.Page(4, 1, {2}, 1, 1, {0x1B});  // pixels 0, 1, 2, 3
  Dib dib = ReadBytes(m.Bytes());
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib.Bits(), 4);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(dib.Pixel(x, 0), static_cast<uint32_t>(x));
  // The ramp spans the page's own range, so its white stays white.
  EXPECT_EQ(Rgb(dib.Table(3)), 0xFFFFFFu);
  EXPECT_EQ(Rgb(dib.Table(1)), 0x555555u);

  TiffMaker four;
  four.Page(2, 1, {4}, 1, 1, {0x0F});
  Dib nibbles = ReadBytes(four.Bytes());
  EXPECT_EQ(Rgb(nibbles.Table(15)), 0xF0F0F0u);  // 16 a step
}

TEST(TiffRead, EightBitPagesWithoutColorMapAreGray) {
  for (uint32_t photometric : {1u, 3u}) {
    TiffMaker m;
    m.Page(1, 1, {8}, photometric, 1, {200});
    Dib dib = ReadBytes(m.Bytes());
    ASSERT_TRUE(dib);
    EXPECT_EQ(ColorAt(dib, 0, 0), 0xC8C8C8u);
  }
}

TEST(TiffRead, ColorMapsGiveTheirHighBytes) {
  TiffMaker m;
  m.Page(1, 1, {8}, 3, 1, {7});
  std::vector<uint32_t> map(768, 0);
  map[7] = 0x12FF;
  map[256 + 7] = 0x3400;
  map[512 + 7] = 0xABCD;
  m.Short(320, map);
  EXPECT_EQ(ColorAt(ReadBytes(m.Bytes()), 0, 0), 0x1234ABu);
}

TEST(TiffRead, MinIsWhiteBitsAreTurnedOver) {
  TiffMaker m;
  m.Page(8, 1, {1}, 0, 1, {0x0F});
  Dib dib = ReadBytes(m.Bytes());
  ASSERT_TRUE(dib);
  EXPECT_EQ(ColorAt(dib, 0, 0), 0xFFFFFFu);  // stored 0: white
  EXPECT_EQ(ColorAt(dib, 7, 0), 0u);
}

TEST(TiffRead, SeparatePlanesAndPredictorMakeOneColourPicture) {
  // Two pixels, red plane 10 30, green 20 40, blue 50 60, each plane differenced and stored as one
  // PackBits literal.
  TiffMaker packed;
  const uint32_t r = packed.Data({1, 10, 20}), g = packed.Data({1, 20, 20}), b = packed.Data({1, 50, 10});
  packed.NewIfd();
  packed.Long(256, {2});
  packed.Long(257, {1});
  packed.Short(258, {8, 8, 8});
  packed.Short(259, {32773});
  packed.Short(262, {2});
  packed.Short(277, {3});
  packed.Short(284, {2});
  packed.Short(317, {2});
  packed.Long(273, {r, g, b});
  Dib dib = ReadBytes(packed.Bytes());
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib.Bits(), 24);
  EXPECT_EQ(dib.Pixel(0, 0), 0x0A1432u);
  EXPECT_EQ(dib.Pixel(1, 0), 0x1E283Cu);
}

TEST(TiffRead, ExtraSamplesAreDroppedAndCmykBecomesRgb) {
  TiffMaker rgba;
  rgba.Page(1, 1, {8, 8, 8, 8}, 2, 1, {1, 2, 3, 99});
  rgba.Short(338, {2});
  Dib dib = ReadBytes(rgba.Bytes());
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib.Bits(), 24);
  EXPECT_EQ(dib.Pixel(0, 0), 0x010203u);

  TiffMaker grayAlpha;
  grayAlpha.Page(1, 1, {8, 8}, 1, 1, {77, 0});
  EXPECT_EQ(ColorAt(ReadBytes(grayAlpha.Bytes()), 0, 0), 0x4D4D4Du);

  TiffMaker cmyk;
  cmyk.Page(1, 1, {8, 8, 8, 8}, 5, 1, {255, 0, 0, 0});  // full cyan
  EXPECT_EQ(ReadBytes(cmyk.Bytes()).Pixel(0, 0), 0x00FFFFu);
}

TEST(TiffRead, SixteenBitGrayComesHighByteFirstInEitherByteOrder) {
  for (bool big : {false, true}) {
    TiffMaker m(big);
    m.Page(1, 1, {16}, 1, 1, big ? std::vector<uint8_t>{0xAB, 0xCD} : std::vector<uint8_t>{0xCD, 0xAB});
    Dib dib = ReadBytes(m.Bytes());
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib.Bits(), 16);
    EXPECT_EQ(dib.Pixel(0, 0), 0xABCDu);
  }
}

TEST(TiffRead, Group3StripsReadWithOrWithoutAnOpeningEol) {
  // Rows of 16: white (code 101010), black (white 0, black 16); EOLs 0x00 0x01, each row byte-aligned.
  const std::vector<uint8_t> white = {0xA8}, black = {0x35, 0x05, 0xC0}, eol = {0x00, 0x01};
  auto join = [](std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  for (bool opening : {true, false}) {  // without: as strips after the first used to be written here
    TiffMaker m;
    const uint32_t first = m.Data(join({eol, white, eol, black, eol}));
    const uint32_t second = m.Data(join({opening ? eol : std::vector<uint8_t>{}, black, eol, white, eol}));
    m.NewIfd();
    m.Long(256, {16});
    m.Long(257, {4});
    m.Short(259, {3});
    m.Short(262, {0});
    m.Long(273, {first, second});
    m.Long(278, {2});
    m.Long(292, {4});
    Dib dib = ReadBytes(m.Bytes());
    ASSERT_TRUE(dib) << opening;
    EXPECT_EQ(ColorAt(dib, 3, 0), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(dib, 3, 1), 0u);
    EXPECT_EQ(ColorAt(dib, 3, 2), 0u);
    EXPECT_EQ(ColorAt(dib, 3, 3), 0xFFFFFFu);
  }
}

TEST(TiffRead, CcittPagesMarkedMinIsBlack) {
  const Dib page = PatternDib(40, 8, 1);
  for (int compression : {2, 3, 4}) {
    Stream s(WriteBytes(page, compression));
    ASSERT_EQ(writetagstream(s.data, s.size, 0, 262, 1), 1);
    Dib read = ReadBytes(s.Bytes());
    ASSERT_TRUE(read);
    // Modified Huffman pages so marked are this library's older ones, whose runs are the picture's;
    // Group 3 and 4 pages so marked have their runs the other way round.
    const uint32_t want = compression == 2 ? ColorAt(page, 0, 0) : ColorAt(page, 0, 0) ^ 0xFFFFFF;
    EXPECT_EQ(ColorAt(read, 0, 0), want) << compression;
  }
}

TEST(TiffRead, ResolutionBecomesPelsPerMetre) {
  TiffMaker inch;
  inch.Page(1, 1, {8}, 1, 1, {0});
  inch.Rational(282, 300, 1);
  inch.Rational(283, 200, 0);  // a zero denominator counts as 1
  const BITMAPINFOHEADER h = ReadBytes(inch.Bytes()).Header();
  EXPECT_EQ(h.biXPelsPerMeter, 11811);
  EXPECT_EQ(h.biYPelsPerMeter, 7874);
  TiffMaker cm;
  cm.Page(1, 1, {8}, 1, 1, {0});
  cm.Rational(282, 118, 1);
  cm.Short(296, {3});
  EXPECT_EQ(ReadBytes(cm.Bytes()).Header().biXPelsPerMeter, 11800);
}

TEST(TiffRead, PagesOutsideTheSupportedSetAreRefused) {
  auto refused = [](auto&& edit) {
    TiffMaker m;
    m.Page(2, 1, {8}, 1, 1, {1, 2});
    edit(m);
    return !ReadBytes(m.Bytes());
  };
  EXPECT_TRUE(refused([](TiffMaker& m) { m.Short(317, {3}); }));  // floating-point predictor
  EXPECT_TRUE(refused([](TiffMaker& m) { m.Short(284, {3}); }));  // planar configuration 3
  EXPECT_TRUE(refused([](TiffMaker& m) { m.Long(278, {0}); }));   // no rows a strip
  TiffMaker jpeg;
  jpeg.Page(2, 1, {8}, 1, 7, {1, 2});
  EXPECT_FALSE(ReadBytes(jpeg.Bytes()));
  TiffMaker photometric;
  photometric.Page(2, 1, {8}, 6, 1, {1, 2});
  EXPECT_FALSE(ReadBytes(photometric.Bytes()));
  TiffMaker unequal;
  unequal.Page(1, 1, {8, 8, 16}, 2, 1, {1, 2, 3, 4});
  EXPECT_FALSE(ReadBytes(unequal.Bytes()));
  TiffMaker noWidth;
  noWidth.Page(0, 1, {8}, 1, 1, {1});
  EXPECT_FALSE(ReadBytes(noWidth.Bytes()));
}

}  // namespace
}  // namespace quill::tiff::test
