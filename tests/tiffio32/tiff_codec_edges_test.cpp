// The codecs where their fast paths end: LZW strings that name the entry they make, run over rows or
// fill the table without a Clear; CCITT rows that repeat the row above across a strip's start or hold
// more changes than a row usually has; PackBits rows long enough for whole 128-byte runs and ending
// inside one.
#include <gtest/gtest.h>

#include <random>

#include "tiff_maker.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

// LZW codes written as a reader takes them: 9 bits after Clear, one more once 511, 1023 and 2047
// entries are made, none made once the table holds 4096.
std::vector<uint8_t> LzwCodes(const std::vector<uint32_t>& codes) {
  std::vector<uint8_t> out;
  uint64_t acc = 0;
  int count = 0, width = 9;
  uint32_t free = 258;
  bool first = true;
  for (uint32_t code : codes) {
    acc = acc << width | code;
    count += width;
    for (; count >= 8; count -= 8) out.push_back(static_cast<uint8_t>(acc >> (count - 8)));
    if (code == 256) {
      free = 258, width = 9, first = true;
      continue;
    }
    if (!first && free < 4096 && ++free < 4096 && (free == 511 || free == 1023 || free == 2047)) ++width;
    first = false;
  }
  if (count > 0) out.push_back(static_cast<uint8_t>(acc << (8 - count)));
  out.resize(out.size() + 4, 0);
  return out;
}

// The gray rows of an 8-bit LZW page made of these codes, or nothing when it does not read.
std::vector<uint8_t> ReadLzw(uint32_t width, uint32_t height, const std::vector<uint32_t>& codes) {
  TiffMaker m;
  m.Page(width, height, {8}, 1, 5, LzwCodes(codes));
  const Dib dib = ReadBytes(m.Bytes());
  std::vector<uint8_t> rows;
  for (uint32_t y = 0; dib && y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      rows.push_back(static_cast<uint8_t>(dib.Pixel(static_cast<int>(x), static_cast<int>(y))));
    }
  }
  return rows;
}

TEST(TiffCodecEdges, LzwCodesThatNameTheEntryTheyMake) {
  // 258 arrives as the entry it makes ("AA"), then 259 likewise ("AAA"); a Clear in mid-row.
  EXPECT_EQ(ReadLzw(4, 2, {256, 65, 258, 259, 256, 1, 2, 257}), (std::vector<uint8_t>{65, 65, 65, 65, 65, 65, 1, 2}));
  EXPECT_TRUE(ReadLzw(2, 1, {256, 258, 257}).empty());      // no old string to extend
  EXPECT_TRUE(ReadLzw(4, 1, {256, 65, 259, 257}).empty());  // beyond the next entry
}

TEST(TiffCodecEdges, LzwStringsRunOverRowsAndTheTableFillsWithoutAClear) {
  // Literals up to a full table and on, then strings of the full table split by the rows of 5, then
  // more literals: the reader makes no entry past 4096.
  std::vector<uint32_t> codes = {256};
  std::vector<uint8_t> expected;
  for (uint32_t i = 0; i < 3900; ++i) {
    codes.push_back(i % 7 == 0 ? 9 : 3);
    expected.push_back(static_cast<uint8_t>(codes.back()));
  }
  // The entries of 3 3 ... : 258 upwards join each byte to the next; 4095 is the last one made.
  for (uint32_t code : {4095u, 300u, 1000u, 3u, 9u}) {
    codes.push_back(code);
    if (code < 256) {
      expected.push_back(static_cast<uint8_t>(code));
      continue;
    }
    const uint32_t at = code - 258;  // entry 258 + k is bytes k and k + 1 of the literals
    expected.push_back(expected[at]);
    expected.push_back(expected[at + 1]);
  }
  while (expected.size() % 5 != 0) {
    codes.push_back(3);
    expected.push_back(3);
  }
  codes.push_back(257);
  EXPECT_EQ(ReadLzw(5, static_cast<uint32_t>(expected.size() / 5), codes), expected);

  // Long strings over narrow rows, and rows of noise that fill the table between Clears.
  Dib flat = MakeDib(3, 5000, 8);
  flat.Fill(7);
  EXPECT_TRUE(SamePicture(flat, ReadBytes(WriteBytes(flat, 5))));
  Dib noise = MakeDib(1500, 40, 24);
  std::mt19937 random(22);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 1500; ++x) noise.SetPixel(x, y, (x / 50 % 2 ? 0x102030 : random() & 0x0F0F0F) + y);
  }
  EXPECT_TRUE(SamePicture(noise, ReadBytes(WriteBytes(noise, 5))));
}

Dib BlackAndWhite(int width, int height) {
  Dib dib = MakeDib(width, height, 1);
  dib.SetTable(1, 255, 255, 255);
  return dib;
}

TEST(TiffCodecEdges, CcittRowsRepeatingTheRowAboveAndRowsOfManyChanges) {
  // A black bar on every odd row: a strip (of an even number of rows) starts with a white row, which
  // repeats its white reference row, not the barred row painted last.
  Dib bar = BlackAndWhite(64, 2400);
  bar.Fill(1);
  for (int y = 1; y < 2400; y += 2) {
    for (int x = 20; x < 30; ++x) bar.SetPixel(x, y, 0);
  }
  // Rows that change at every pixel: more changes than a row starts with room for.
  Dib stripes = BlackAndWhite(9000, 6);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 9000; ++x) stripes.SetPixel(x, y, (x + (y / 2)) % 2);
  }
  for (int compression : {2, 3, 4}) {
    SCOPED_TRACE(compression);
    EXPECT_TRUE(SamePicture(bar, ReadBytes(WriteBytes(bar, compression))));
    EXPECT_TRUE(SamePicture(stripes, ReadBytes(WriteBytes(stripes, compression))));
  }
}

TEST(TiffCodecEdges, PackBitsRowsOfWholeRunsAndRunsAtTheirEnd) {
  Dib mixed = MakeDib(1001, 30, 8);
  std::mt19937 random(5);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 1001; ++x) {
      const int block = (x + 37 * y) / 150;
      mixed.SetPixel(x, y, block % 3 == 0 ? random() & 0xFF : block % 3 == 1 ? 200 : (x / 2) & 0xFF);
    }
  }
  EXPECT_TRUE(SamePicture(mixed, ReadBytes(WriteBytes(mixed, 32773))));
}

}  // namespace
}  // namespace quill::tiff::test
