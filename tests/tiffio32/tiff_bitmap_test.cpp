// Device bitmaps: pages read into bitmaps that fit 8 MB, and bitmaps written as pages.
#include <gtest/gtest.h>

#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

struct Bitmap {
  HBITMAP bitmap = nullptr;
  HPALETTE palette = nullptr;
  ~Bitmap() {
    DeleteBitmap(bitmap);
    DeletePalette(palette);
  }
};

int16_t ReadBitmap(const std::string& tiff, int scale, Bitmap* out) {
  Stream s(tiff);
  return readtiffilestream(s.data, s.size, 0, 0, 0, static_cast<int16_t>(scale), &out->bitmap, &out->palette, 0,
                           nullptr);
}

TEST(TiffBitmap, BlackAndWhitePagesBecomeMonochromeBitmaps) {
  const Dib page = PatternDib(120, 40, 1);
  Bitmap b;
  ASSERT_EQ(ReadBitmap(WriteBytes(page, 4), 100, &b), 1);
  EXPECT_EQ(GetBitmapBits(b.bitmap), 1);
  EXPECT_EQ(GetBitmapWidth(b.bitmap), 120);
  PALETTEENTRY entries[256];
  EXPECT_EQ(GetPalette(b.palette, entries), 2);
  EXPECT_TRUE(SamePicture(page, Dib(GetBitmapDib(b.bitmap))));
}

TEST(TiffBitmap, ShrinkingKeepsBlackLines) {
  Dib page = MakeDib(100, 100, 1);
  page.SetTable(1, 255, 255, 255);
  page.Fill(1);
  for (int y = 0; y < 100; ++y) page.SetPixel(51, y, 0);  // a one-pixel black line
  Bitmap b;
  ASSERT_EQ(ReadBitmap(WriteBytes(page, 1), 25, &b), 1);
  Dib shown(GetBitmapDib(b.bitmap));
  ASSERT_EQ(GetBitmapWidth(b.bitmap), 25);
  for (int y = 0; y < 25; ++y) EXPECT_EQ(ColorAt(shown, 12, y), 0u) << y;
  EXPECT_EQ(ColorAt(shown, 3, 3), 0xFFFFFFu);
}

TEST(TiffBitmap, ColourBitmapsFitEightMegabytes) {
  Dib page = MakeDib(2000, 1500, 24);  // 9 MB of pixels
  Bitmap b;
  ASSERT_EQ(ReadBitmap(WriteBytes(page, 32773), 100, &b), 1);
  EXPECT_EQ(GetBitmapBits(b.bitmap), 24);
  const double bytes = 3.0 * GetBitmapWidth(b.bitmap) * GetBitmapHeight(b.bitmap);
  EXPECT_LE(bytes, 8000000.0);
  EXPECT_GT(bytes, 6000000.0);
  EXPECT_EQ(b.palette, nullptr);
}

TEST(TiffBitmap, PalettePagesGiveTheirPaletteAndColours) {
  const Dib page = PatternDib(30, 20, 8);
  Bitmap b;
  ASSERT_EQ(ReadBitmap(WriteBytes(page, 5), 50, &b), 1);
  EXPECT_EQ(GetBitmapWidth(b.bitmap), 15);
  PALETTEENTRY entries[256];
  ASSERT_EQ(GetPalette(b.palette, entries), 256);
  EXPECT_EQ(Rgb(RGBQUAD{entries[9].peBlue, entries[9].peGreen, entries[9].peRed, 0}), Rgb(page.Table(9)));
  Dib shown(GetBitmapDib(b.bitmap));
  EXPECT_EQ(ColorAt(shown, 3, 4), ColorAt(page, 6, 8));
}

TEST(TiffBitmap, BitmapsAreWrittenAtTheDepthTheirOwnSets) {
  struct Case {
    int dibBits, pageBits;
  };
  for (Case c : {Case{1, 1}, Case{4, 4}, Case{8, 8}, Case{24, 24}}) {
    const Dib picture = PatternDib(21, 13, c.dibBits);
    HBITMAP bitmap = CreateDibBitmap(picture.get());
    ASSERT_NE(bitmap, nullptr);
    Stream s;
    ASSERT_EQ(writetiffilestream(&s.data, &s.size, 1, static_cast<int16_t>(c.pageBits), 0, bitmap, nullptr, 0, nullptr),
              1);
    DeleteBitmap(bitmap);
    Dib back = ReadBytes(s.Bytes());
    EXPECT_EQ(back.Bits(), c.pageBits);
    EXPECT_TRUE(SamePicture(picture, back));
    EXPECT_EQ(back.Header().biXPelsPerMeter, 11811);  // bitmaps carry no resolution: 300 dpi
  }
}

TEST(TiffBitmap, APaletteGivenWithTheBitmapColoursItsPage) {
  const Dib picture = PatternDib(8, 8, 8);
  HBITMAP bitmap = CreateDibBitmap(picture.get());
  PALETTEENTRY entries[256] = {};
  for (int i = 0; i < 256; ++i) entries[i] = PALETTEENTRY{static_cast<uint8_t>(i), 0, 0, 0};
  HPALETTE palette = CreateTiffPalette(entries, 256);
  Stream s;
  ASSERT_EQ(writetiffilestream(&s.data, &s.size, 5, 8, 0, bitmap, palette, 0, nullptr), 1);
  DeleteBitmap(bitmap);
  DeletePalette(palette);
  Dib back = ReadBytes(s.Bytes());
  EXPECT_EQ(ColorAt(back, 2, 3), picture.Pixel(2, 3) << 16);
}

}  // namespace
}  // namespace quill::tiff::test
