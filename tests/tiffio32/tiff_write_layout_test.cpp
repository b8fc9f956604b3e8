// What a written page holds, byte for byte: the directory and its values, strips, and each scheme's
// framing (EOLs and RTC, PackBits headers, LZW Clear and EndOfInformation).
#include <gtest/gtest.h>

#include "test_support.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

std::string Le(uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
  return s;
}

std::string Entry(uint32_t tag, uint32_t type, uint32_t count, uint32_t value) {
  const bool isShort = type == 3 && count == 1;
  return Le(tag, 2) + Le(type, 2) + Le(count, 4) + (isShort ? Le(value, 2) + Le(0, 2) : Le(value, 4));
}

TEST(TiffWriteLayout, UncompressedPageIsLaidOutByteForByte) {
  Dib dib = MakeDib(8, 2, 1);
  dib.SetTable(1, 255, 255, 255);
  dib.SetPixel(0, 0, 1);  // top row 0x80, bottom row 0x00
  BITMAPINFOHEADER h = dib.Header();
  h.biXPelsPerMeter = h.biYPelsPerMeter = 11811;
  std::memcpy(GlobalLock(dib.get()), &h, sizeof h);
  GlobalUnlock(dib.get());

  const std::string software = std::string("QUILLMARK tiffio32 1.0") + '\0';
  std::string want = "II" + Le(42, 2) + Le(50, 4);  // header, directory at 50
  want += std::string("\x80\x00", 2);               // the strip at 8
  want += Le(30000, 4) + Le(100, 4);                // XResolution at 10
  want += Le(30000, 4) + Le(100, 4);                // YResolution at 18
  want += software + std::string(1, '\0');          // Software at 26, padded to 50
  want += Le(14, 2);
  want += Entry(254, 4, 1, 0) + Entry(256, 3, 1, 8) + Entry(257, 3, 1, 2) + Entry(258, 3, 1, 1);
  want += Entry(259, 3, 1, 1) + Entry(262, 3, 1, 1) + Entry(273, 4, 1, 8) + Entry(277, 3, 1, 1);
  want += Entry(278, 3, 1, 2) + Entry(279, 4, 1, 2) + Entry(282, 5, 1, 10) + Entry(283, 5, 1, 18);
  want += Entry(296, 3, 1, 2) + Entry(305, 2, 23, 26) + Le(0, 4);
  EXPECT_EQ(WriteBytes(dib, 1), want);
}

TEST(TiffWriteLayout, StripsHoldAboutEightKilobytesAndAtMostTwoHundred) {
  struct Plan {
    int width, height, rowsPerStrip, strips;
  };
  // 600 rows of 100 bytes; 10 rows of 10 bytes; a tall page that would want more than 200 strips.
  for (const Plan& p : {Plan{800, 600, 75, 8}, Plan{80, 10, 10, 1}, Plan{8000, 2000, 10, 200}}) {
    const std::vector<StoredEntry> ifd = StoredEntries(WriteBytes(MakeDib(p.width, p.height, 1), 1));
    EXPECT_EQ(FindEntry(ifd, 278).field, static_cast<uint32_t>(p.rowsPerStrip));
    EXPECT_EQ(FindEntry(ifd, 273).count, static_cast<uint32_t>(p.strips));
    EXPECT_EQ(FindEntry(ifd, 279).count, static_cast<uint32_t>(p.strips));
  }
}

TEST(TiffWriteLayout, ResolutionIsWholeDotsPerInchOverOneHundred) {
  for (auto [pels, dpi] : {std::pair{11811, 300}, {3780, 96}, {0, 300}, {-5, 300}, {5906, 150}}) {
    Dib dib = MakeDib(4, 4, 8);
    BITMAPINFOHEADER h = dib.Header();
    h.biXPelsPerMeter = pels;
    std::memcpy(GlobalLock(dib.get()), &h, sizeof h);
    GlobalUnlock(dib.get());
    const std::string tiff = WriteBytes(dib, 1);
    const uint32_t at = FindEntry(StoredEntries(tiff), 282).field;
    EXPECT_EQ(Le32(tiff, at), static_cast<uint32_t>(dpi * 100)) << pels;
    EXPECT_EQ(Le32(tiff, at + 4), 100u);
  }
}

TEST(TiffWriteLayout, PhotometricAndGroup3OptionsFollowTheCompression) {
  const Dib bw = PatternDib(20, 5, 1);
  struct Want {
    int compression, photometric;
    bool t4Options;
  };
  // Min-is-white for every CCITT scheme, so that other readers see the runs as this library does.
  for (const Want& w : {Want{1, 1, false}, Want{2, 0, false}, Want{3, 0, true}, Want{4, 0, false}, Want{5, 1, false}}) {
    const std::vector<StoredEntry> ifd = StoredEntries(WriteBytes(bw, w.compression));
    EXPECT_EQ(FindEntry(ifd, 262).field, static_cast<uint32_t>(w.photometric)) << w.compression;
    EXPECT_EQ(FindEntry(ifd, 292).tag != 0, w.t4Options) << w.compression;
    if (w.t4Options) {
      EXPECT_EQ(FindEntry(ifd, 292).field, 4u);
    }
  }
  EXPECT_EQ(FindEntry(StoredEntries(WriteBytes(PatternDib(4, 4, 8), 1)), 262).field, 3u);
  EXPECT_EQ(FindEntry(StoredEntries(WriteBytes(PatternDib(4, 4, 24), 1)), 262).field, 2u);
}

TEST(TiffWriteLayout, PaletteAndColourEntries) {
  Dib dib = PatternDib(3, 3, 4);
  dib.SetTable(2, 0x80, 0x40, 0xFF);
  const std::string tiff = WriteBytes(dib, 1);
  const std::vector<StoredEntry> ifd = StoredEntries(tiff);
  const StoredEntry map = FindEntry(ifd, 320);
  ASSERT_EQ(map.count, 48u);
  EXPECT_EQ(Le16(tiff, map.field + 2 * 2), 0x80u * 257);
  EXPECT_EQ(Le16(tiff, map.field + 2 * (16 + 2)), 0x40u * 257);
  EXPECT_EQ(Le16(tiff, map.field + 2 * (32 + 2)), 0xFFu * 257);

  const std::string rgb = WriteBytes(FlatColor(2, 1, 0x102030), 1);
  const std::vector<StoredEntry> rgbIfd = StoredEntries(rgb);
  const StoredEntry bits = FindEntry(rgbIfd, 258);
  EXPECT_EQ(bits.count, 3u);
  EXPECT_EQ(Le16(rgb, bits.field), 8u);
  EXPECT_EQ(FindEntry(rgbIfd, 277).field, 3u);
  EXPECT_EQ(rgb.substr(FindEntry(rgbIfd, 273).field, 6), "\x10\x20\x30\x10\x20\x30");  // stored as RGB
}

TEST(TiffWriteLayout, Group3StripsOpenWithEolEndRowsWithEolAndThePageWithRtc) {
  Dib white = MakeDib(16, 10000, 1);  // several strips; all pixels index 0, which is white here
  white.SetTable(0, 255, 255, 255);
  const std::string tiff = WriteBytes(white, 3);
  const std::vector<StoredEntry> ifd = StoredEntries(tiff);
  const StoredEntry offsets = FindEntry(ifd, 273), counts = FindEntry(ifd, 279);
  ASSERT_GT(offsets.count, 1u);
  // A white row of 16 is the code 101010 (16) padded to a byte, then the EOL 0x00 0x01.
  const std::string row = std::string("\xA8\x00\x01", 3);
  for (uint32_t s = 0; s < offsets.count; ++s) {
    const std::string strip = tiff.substr(Le32(tiff, offsets.field + 4 * s), Le32(tiff, counts.field + 4 * s));
    ASSERT_EQ(strip.substr(0, 5), std::string("\x00\x01", 2) + row) << s;
    const bool last = s + 1 == offsets.count;
    const std::string tail = last ? row + std::string("\x00\x10\x01\x00\x10\x01\x00\x10\x01", 9) : row;
    EXPECT_EQ(strip.substr(strip.size() - tail.size()), tail) << s;
  }
}

TEST(TiffWriteLayout, PackBitsRunsAndLiteralsPerRow) {
  Dib dib = MakeDib(133, 1, 8);
  for (int x = 0; x < 130; ++x) dib.SetPixel(x, 0, 5);
  for (int x = 130; x < 133; ++x) dib.SetPixel(x, 0, x - 129);
  const std::string tiff = WriteBytes(dib, 32773);
  const std::vector<StoredEntry> ifd = StoredEntries(tiff);
  // 128 fives, 2 fives, then a literal of 1, 2, 3.
  EXPECT_EQ(tiff.substr(FindEntry(ifd, 273).field, FindEntry(ifd, 279).field),
            std::string("\x81\x05\xFF\x05\x02\x01\x02\x03", 8));
}

TEST(TiffWriteLayout, LzwStripsOpenWithClearAndCloseWithEndOfInformation) {
  const std::string tiff = WriteBytes(FlatColor(1, 1, 0), 5);
  const std::vector<StoredEntry> ifd = StoredEntries(tiff);
  // Clear (256), 0 (the first byte), 258 (two zeros), EndOfInformation (257), all 9 bits.
  EXPECT_EQ(tiff.substr(FindEntry(ifd, 273).field, FindEntry(ifd, 279).field), std::string("\x80\x00\x20\x50\x10", 5));
}

TEST(TiffWriteLayout, LongSidesAreStoredAsLongs) {
  const std::vector<StoredEntry> ifd = StoredEntries(WriteBytes(MakeDib(70000, 1, 1), 4));
  EXPECT_EQ(FindEntry(ifd, 256).type, 4u);
  EXPECT_EQ(FindEntry(ifd, 256).field, 70000u);
  EXPECT_EQ(FindEntry(ifd, 257).type, 3u);
}

}  // namespace
}  // namespace quill::tiff::test
