// Pages whose shapes lead the decoders down every path: black spans from one pixel to whole rows, across
// the 64-bit words a CCITT row is painted in and up to the right edge, rows that repeat the row above;
// flat areas and shading whose LZW strings grow long, run over row ends and fill the code table.
// Written here and by libtiff's tiffcp, read back to the same pixels.
#include <gtest/gtest.h>

#include "test_support.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

using quill::test::RunProgram;
using quill::test::TempDir;

// Black bars on white: rows in threes, their widths and gaps growing from 1 to a few hundred pixels,
// some rows all black or all white between them, and a bar that ends on the last pixel.
Dib Bars(int width, int height) {
  Dib dib = MakeDib(width, height, 1);
  dib.SetTable(1, 255, 255, 255);
  dib.Fill(1);
  for (int y = 0; y < height; ++y) {
    if (y % 17 == 5) continue;  // white
    const int k = y / 3, bar = 1 + (k * 7) % 190, gap = 1 + (k * 13) % 150;
    for (int x = (k * 5) % 70; x < width; x += bar + gap) {
      for (int i = x; i < std::min(x + bar, width); ++i) dib.SetPixel(i, y, 0);
    }
    if (y % 17 == 9) {
      for (int x = 0; x < width; ++x) dib.SetPixel(x, y, 0);
    }
    for (int x = width - 1 - k % 90; k % 4 == 0 && x < width; ++x) dib.SetPixel(x, y, 0);
  }
  return dib;
}

// Flat bands, slow ramps and a little noise: strings of every length from one byte to hundreds.
Dib Shading(int width, int height, int bits) {
  Dib dib = MakeDib(width, height, bits, bits == 8 ? 256 : 0);
  for (int i = 0; bits == 8 && i < 256; ++i) dib.SetTable(i, static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t v = (y / 40) % 3 == 0 ? 0x406080u : static_cast<uint32_t>(x / 9 + y / 5) * 0x010203u;
      if ((y / 40) % 3 == 2) v += ((static_cast<uint32_t>(x * y) * 2654435761u) >> 29) * 0x010101u;
      dib.SetPixel(x, y, bits == 8 ? v & 0xFF : v & 0xFFFFFF);
    }
  }
  return dib;
}

Dib PictureFor(int bits) {
  return bits == 1 ? Bars(997, 301) : Shading(333, 250, bits);
}

TEST(TiffDecodeShapes, PagesWrittenHereReadBack) {
  struct Case {
    int bits, compression;
  };
  for (Case c : {Case{1, 2}, Case{1, 3}, Case{1, 4}, Case{1, 5}, Case{1, 32773}, Case{8, 5}, Case{8, 32773},
                 Case{24, 5}, Case{24, 32773}}) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression);
    const Dib picture = PictureFor(c.bits);
    const Dib back = ReadBytes(WriteBytes(picture, c.compression));
    ASSERT_TRUE(back);
    EXPECT_TRUE(SamePicture(picture, back));
  }
}

TEST(TiffDecodeShapes, ColourRowsOfEveryShortWidthReadBack) {  // red and blue turned by blocks of five pixels
  for (int width = 1; width <= 24; ++width) {
    SCOPED_TRACE(testing::Message() << width << " pixels");
    const Dib picture = PatternDib(width, 3, 24);
    for (int compression : {1, 5, 32773}) EXPECT_TRUE(SamePicture(picture, ReadBytes(WriteBytes(picture, compression))));
  }
}

TEST(TiffDecodeShapes, PagesLibtiffWritesReadBack) {
  const std::string tiffcp = LibtiffTool("tiffcp");
  ASSERT_FALSE(tiffcp.empty()) << "libtiff's tools are missing: install libtiff-tools (scripts/deps.sh --tests)";
  struct Case {
    int bits;
    std::vector<std::string> options;
  };
  const std::vector<Case> cases = {
      {1, {"-c", "g3:2d"}},         {1, {"-c", "g4"}},         {1, {"-c", "g4", "-r", "1000"}},
      {1, {"-c", "g3:1d:fill"}},    {8, {"-c", "lzw"}},        {8, {"-c", "lzw:2", "-r", "1000"}},
      {24, {"-c", "lzw", "-r", "7"}}, {24, {"-c", "lzw:2"}}, {24, {"-c", "packbits", "-r", "1000"}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, tiffcp " << testing::PrintToString(c.options));
    const Dib picture = PictureFor(c.bits);
    const std::string ours = dir.File("ours.tif"), theirs = dir.File("theirs.tif");
    ASSERT_EQ(writetiffiledib(ours.c_str(), 1, static_cast<int16_t>(c.bits), 0, picture.get(), 0, nullptr), 1);
    std::vector<std::string> argv = {tiffcp};
    argv.insert(argv.end(), c.options.begin(), c.options.end());
    argv.push_back(ours);
    argv.push_back(theirs);
    const quill::test::RunResult r = RunProgram(argv);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(SamePicture(picture, ReadPath(theirs)));
  }
}

}  // namespace
}  // namespace quill::tiff::test
