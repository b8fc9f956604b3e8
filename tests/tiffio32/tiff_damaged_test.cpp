// Damaged files and cancelled operations: each gives -1, delivers nothing and changes nothing.
#include <gtest/gtest.h>

#include <random>

#include "test_support.h"
#include "tiff_maker.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

using quill::test::ReadFile;
using quill::test::TempDir;

TEST(TiffDamaged, StripsOutsideOrShortOfTheFileFail) {
  TiffMaker beyond;
  beyond.Page(2, 2, {8}, 1, 1, {1, 2, 3, 4});
  std::string bytes = beyond.Bytes();
  bytes[beyond.IfdOffset(0) + 2 + 12 * 6 + 8 + 2] = 0x7F;  // StripOffsets far past the end
  EXPECT_FALSE(ReadBytes(bytes));

  TiffMaker shortStrip;
  shortStrip.Page(400, 2, {8}, 1, 1, std::vector<uint8_t>(10, 1));
  EXPECT_FALSE(ReadBytes(shortStrip.Bytes(0)));

  TiffMaker fewOffsets;
  fewOffsets.Page(2, 4, {8}, 1, 1, {1, 2, 3, 4, 5, 6, 7, 8});
  fewOffsets.Long(278, {1});  // four strips wanted, one offset given
  EXPECT_FALSE(ReadBytes(fewOffsets.Bytes()));
}

TEST(TiffDamaged, BadCodesFail) {
  TiffMaker lzw;  // Clear, then code 300 that no table holds yet
  lzw.Page(4, 1, {8}, 1, 5, {0x80, 0x4B, 0x00, 0x00});
  EXPECT_FALSE(ReadBytes(lzw.Bytes()));
  TiffMaker lzwEnds;  // Clear, 1, EndOfInformation: one byte for a row of four
  lzwEnds.Page(4, 1, {8}, 1, 5, {0x80, 0x00, 0x60, 0x20});
  EXPECT_FALSE(ReadBytes(lzwEnds.Bytes()));
  for (const std::vector<uint8_t>& strip : {std::vector<uint8_t>{0x80, 0x40, 0x40},  // Clear, EndOfInformation
                                            std::vector<uint8_t>{0x80, 0x10, 0x60, 0x10, 0x10}}) {  // and after a byte
    TiffMaker endsAfterClear;
    endsAfterClear.Page(4, 1, {8}, 1, 5, strip);
    EXPECT_FALSE(ReadBytes(endsAfterClear.Bytes()));
  }
  TiffMaker g4;  // zero bits are no mode code
  g4.Page(16, 1, {1}, 0, 4, {0, 0, 0, 0});
  EXPECT_FALSE(ReadBytes(g4.Bytes()));
}

TEST(TiffDamaged, OversizedPagesAreRefusedBeforeAnythingIsHad) {
  TiffMaker m;
  m.Page(100000, 100000, {8}, 1, 1, {0});
  EXPECT_FALSE(ReadBytes(m.Bytes()));
  TiffMaker colorMap;
  colorMap.Page(1, 1, {8}, 3, 1, {0});
  colorMap.Short(320, std::vector<uint32_t>(768, 0));
  std::string bytes = colorMap.Bytes();
  const uint32_t entry = colorMap.IfdOffset(0) + 2 + 12 * 9;
  bytes[entry + 8 + 3] = 0x70;  // the map's offset leaves the file
  EXPECT_FALSE(ReadBytes(bytes));
}

// Every kind of page, each byte of the first few hundred changed several ways: whatever the reader makes
// of it, it answers and stays inside the data (the sanitizers watch).
TEST(TiffDamaged, ChangedBytesNeverTakeTheReaderOutOfTheData) {
  std::mt19937 random(7);
  for (int compression : {1, 2, 3, 4, 5, 32773}) {
    const int bits = compression >= 2 && compression <= 4 ? 1 : 8;
    const std::string good = WriteBytes(PatternDib(40, 30, bits), compression);
    for (size_t at = 0; at < std::min<size_t>(good.size(), 400); ++at) {
      for (uint8_t value : {uint8_t{0}, uint8_t{0xFF}, static_cast<uint8_t>(random())}) {
        std::string bad = good;
        bad[at] = static_cast<char>(value);
        Stream s(bad);
        HGLOBAL dib = nullptr;
        const int16_t result = readtiffiledibstream(s.data, s.size, 0, 0, 0, &dib, 0, nullptr);
        EXPECT_TRUE(result == 1 || (result == -1 && dib == nullptr));
        GlobalFree(dib);
      }
    }
  }
}

int16_t CancelAtHalf(int32_t percent, int32_t) {
  return percent < 50;
}

TEST(TiffDamaged, CancelledReadsDeliverNothing) {
  const std::string tiff = WriteBytes(PatternDib(64, 200, 8), 5);
  Stream s(tiff);
  HGLOBAL dib = nullptr;
  EXPECT_EQ(readtiffiledibstream(s.data, s.size, 0, 0, 0, &dib, 0, CancelAtHalf), -1);
  EXPECT_EQ(dib, nullptr);
}

TEST(TiffDamaged, CancelledWritesLeaveNoPage) {
  TempDir dir;
  const std::string path = dir.File("cancel.tif");
  const Dib page = PatternDib(64, 200, 8);
  EXPECT_EQ(writetiffiledib(path.c_str(), 5, 8, 0, page.get(), 0, CancelAtHalf), -1);
  EXPECT_FALSE(quill::test::FileExists(path));
  ASSERT_EQ(writetiffiledib(path.c_str(), 5, 8, 0, page.get(), 0, nullptr), 1);
  const std::string before = ReadFile(path);
  EXPECT_EQ(writetiffiledib(path.c_str(), 5, 8, 1, page.get(), 0, CancelAtHalf), -1);
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(writetiffiledib(path.c_str(), 5, 8, 0, page.get(), 0, CancelAtHalf), -1);
  EXPECT_EQ(ReadFile(path), before);

  Stream s(before);
  const uint32_t size = s.size;
  EXPECT_EQ(writetiffiledibstream(&s.data, &s.size, 5, 8, 1, page.get(), 0, CancelAtHalf), -1);
  EXPECT_EQ(s.size, size);
  EXPECT_EQ(s.Bytes(), before);
}

TEST(TiffDamaged, WritesRefuseWhatIsNotAPictureOrNotATiff) {
  TempDir dir;
  const std::string path = dir.File("text.tif");
  quill::test::WriteFile(path, std::string(300, 'x'));
  const Dib page = PatternDib(4, 4, 8);
  EXPECT_EQ(writetiffiledib(path.c_str(), 1, 8, 1, page.get(), 0, nullptr), -1);
  EXPECT_EQ(ReadFile(path), std::string(300, 'x'));
  HGLOBAL notADib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 10);
  EXPECT_EQ(writetiffiledib(dir.File("new.tif").c_str(), 1, 8, 0, notADib, 0, nullptr), -1);
  GlobalFree(notADib);
  EXPECT_EQ(writetiffiledib(nullptr, 1, 8, 0, page.get(), 0, nullptr), -1);
}

}  // namespace
}  // namespace quill::tiff::test
