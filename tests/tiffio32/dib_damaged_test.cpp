// Damaged or unusual DIBs handed to the conversions: each gives its failure result without reading
// outside the block, and the colour-table questions answer from what they can read.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "dib_test_pictures.h"

namespace quill::tiff::test {
namespace {

using Conversion = std::function<bool(HGLOBAL)>;  // true when the call made something

// The in-place reductions work on a copy, since on success they release the block they are given.
bool ReducedCopy(HGLOBAL dib, const std::function<int16_t(HGLOBAL*)>& reduce) {
  const size_t n = GlobalSize(dib);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, n);
  std::memcpy(GlobalLock(copy), GlobalLock(dib), n);
  GlobalUnlock(dib);
  GlobalUnlock(copy);
  const int16_t code = reduce(&copy);
  GlobalFree(copy);
  return code == DIB_REDUCED;
}

std::vector<std::pair<std::string, Conversion>> AllConversions() {
  std::vector<std::pair<std::string, Conversion>> all;
  auto add = [&](const char* name, HGLOBAL (*f)(HGLOBAL)) {
    all.emplace_back(name, [f](HGLOBAL d) {
      HGLOBAL made = f(d);
      GlobalFree(made);
      return made != nullptr;
    });
  };
  add("DIB1to4", DIB1to4);
  add("DIB4To8", DIB4To8);
  add("DIB8To24", DIB8To24);
  add("DIB1To8", DIB1To8);
  add("DIB1To24", DIB1To24);
  add("DIB4To24", DIB4To24);
  add("DIB24To1", DIB24To1);
  add("DIB8To1", DIB8To1);
  add("DIB4To1", DIB4To1);
  add("ColorToGrayscale", ColorToGrayscale);
  add("Increase24", [](HGLOBAL d) { return ImgIncreaseColors(d, 24); });
  add("Reduce2", [](HGLOBAL d) { return ImgReduceColors(d, 2, 4); });
  add("Reduce16", [](HGLOBAL d) { return ImgReduceColors(d, 16, 4); });
  add("Dither", [](HGLOBAL d) { return DitherToBW(d, 2); });
  add("ColorToColor", [](HGLOBAL d) { return ReduceColorToColor(d, 256, 0); });
  all.emplace_back("ReduceDib", [](HGLOBAL d) {
    return d != nullptr && ReducedCopy(d, [](HGLOBAL* h) { return ReduceDib(h, 8, 0, nullptr, 0, 1, 0); });
  });
  all.emplace_back("ConvertDib", [](HGLOBAL d) {
    return d != nullptr && ReducedCopy(d, [](HGLOBAL* h) { return ConvertDib(h, 4, 1, 0); });
  });
  return all;
}

using Damage = std::function<void(BITMAPINFOHEADER&, size_t& bytes)>;

TEST(DibDamaged, EveryConversionRefusesABadHeaderOrShortBlock) {
  const std::vector<std::pair<std::string, Damage>> damages = {
      {"short header", [](BITMAPINFOHEADER&, size_t& n) { n = 39; }},
      {"small biSize", [](BITMAPINFOHEADER& h, size_t&) { h.biSize = 12; }},
      {"biSize past the block", [](BITMAPINFOHEADER& h, size_t& n) { h.biSize = static_cast<uint32_t>(n + 1); }},
      {"no width", [](BITMAPINFOHEADER& h, size_t&) { h.biWidth = 0; }},
      {"negative width", [](BITMAPINFOHEADER& h, size_t&) { h.biWidth = -5; }},
      {"top-down", [](BITMAPINFOHEADER& h, size_t&) { h.biHeight = -h.biHeight; }},
      {"huge width", [](BITMAPINFOHEADER& h, size_t&) { h.biWidth = INT32_MAX; }},
      {"huge height", [](BITMAPINFOHEADER& h, size_t&) { h.biHeight = INT32_MAX; }},
      {"2 bits", [](BITMAPINFOHEADER& h, size_t&) { h.biBitCount = 2; }},
      {"0 bits", [](BITMAPINFOHEADER& h, size_t&) { h.biBitCount = 0; }},
      {"run-length coded", [](BITMAPINFOHEADER& h, size_t&) { h.biCompression = 1; }},
      {"table too long", [](BITMAPINFOHEADER& h, size_t&) { h.biClrUsed = h.biBitCount <= 8 ? 257u : 0x40000000u; }},
      {"last byte missing", [](BITMAPINFOHEADER&, size_t& n) { --n; }},
  };
  for (int bits : {1, 4, 8, 24}) {
    for (const auto& [what, damage] : damages) {
      Dib dib = MakeDib(7, 5, bits);
      dib.Fill(1);
      BITMAPINFOHEADER h = dib.Header();
      size_t bytes = GlobalSize(dib.get());
      damage(h, bytes);
      ASSERT_TRUE(GlobalReAlloc(dib.get(), bytes, 0));
      std::memcpy(GlobalLock(dib.get()), &h, std::min(bytes, sizeof h));
      GlobalUnlock(dib.get());
      for (const auto& [name, convert] : AllConversions()) {
        EXPECT_FALSE(convert(dib.get())) << name << " on " << bits << " bits, " << what;
      }
    }
  }
  for (const auto& [name, convert] : AllConversions()) EXPECT_FALSE(convert(nullptr)) << name;
}

TEST(DibDamaged, RandomHeadersNeverReadOutsideTheBlock) {
  std::mt19937 random(20080101);
  const auto conversions = AllConversions();
  for (int round = 0; round < 300; ++round) {
    const int bits = std::vector<int>{1, 4, 8, 16, 24, 32}[round % 6];
    Dib dib = MakeDib(1 + static_cast<int>(random() % 9), 1 + static_cast<int>(random() % 9), bits);
    auto* h = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib.get()));
    switch (random() % 4) {
      case 0: h->biWidth += static_cast<int32_t>(random() % 64) - 8; break;
      case 1: h->biHeight += static_cast<int32_t>(random() % 64) - 8; break;
      case 2: h->biClrUsed = static_cast<uint32_t>(random() % 300); break;
      default: h->biSize = 40 + static_cast<uint32_t>(random() % 16);
    }
    GlobalUnlock(dib.get());
    for (const auto& [name, convert] : conversions) convert(dib.get());
  }
}

TEST(DibPaletteInfo, ColorsInPaletteFollowTheHeader) {
  BITMAPINFOHEADER h{};
  h.biSize = 40;
  h.biBitCount = 24;
  EXPECT_EQ(GetColorsInPalette(&h), 0);
  h.biClrUsed = 12;
  EXPECT_EQ(GetColorsInPalette(&h), 12);
  h.biClrUsed = 0;
  h.biBitCount = 4;
  EXPECT_EQ(GetColorsInPalette(&h), 16);
  h.biBitCount = 16;  // no table behind a 16-bit header unless biClrUsed says so
  EXPECT_EQ(GetColorsInPalette(&h), 0);
  h.biSize = 12;
  EXPECT_EQ(GetColorsInPalette(&h), 0);
  EXPECT_EQ(GetColorsInPalette(nullptr), 0);
}

TEST(DibPaletteInfo, GetPaletteCopiesOneTo256Entries) {
  const PALETTEENTRY entries[3] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
  HPALETTE palette = CreateTiffPalette(entries, 3);
  ASSERT_NE(palette, nullptr);
  PALETTEENTRY out[256] = {};
  EXPECT_EQ(GetPalette(palette, out), 3);
  EXPECT_EQ(out[2].peBlue, 9);
  EXPECT_EQ(GetPalette(palette, nullptr), 0);
  EXPECT_EQ(GetPalette(nullptr, out), 0);
  DeletePalette(palette);
}

}  // namespace
}  // namespace quill::tiff::test
