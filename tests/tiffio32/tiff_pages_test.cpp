// Pages of the chain: counting, reduced-resolution images, damaged chains, and the editing operations
// (delete, pack, move, swap, insert, replace) on files and streams.
#include <gtest/gtest.h>

#include "test_support.h"
#include "tiff_maker.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

using quill::test::ReadFile;
using quill::test::TempDir;
using quill::test::WriteFile;

// A file of `pages` pages, page i a flat gray of value 10 * i (so pages can be told apart).
std::string PagesFile(const TempDir& dir, int pages, const std::string& name = "pages.tif") {
  const std::string path = dir.File(name);
  for (int i = 0; i < pages; ++i) {
    Dib dib = MakeDib(8, 4, 8);
    for (int e = 0; e < 256; ++e)
      dib.SetTable(e, static_cast<uint8_t>(e), static_cast<uint8_t>(e), static_cast<uint8_t>(e));
    dib.Fill(static_cast<uint32_t>(10 * i));
    EXPECT_EQ(writetiffiledib(path.c_str(), 1, 8, i > 0, dib.get(), 0, nullptr), 1);
  }
  return path;
}

// The pages' gray values in chain order, e.g. "20 0 10".
std::string Order(const std::string& path) {
  std::string order;
  for (int p = 0, n = PageCount(path); p < n; ++p) {
    order += (p ? " " : "") + std::to_string(ColorAt(ReadPath(path, p), 0, 0) & 0xFF);
  }
  return order;
}

TEST(TiffPageWalk, ReducedResolutionImagesAreNeitherCountedNorAddressed) {
  TiffMaker m;
  for (uint8_t value : {10, 20, 30}) m.Page(1, 1, {8}, 1, 1, {value});
  std::string bytes = m.Bytes();
  bytes[m.IfdOffset(1) + 10] = 1;  // the second directory's NewSubfileType becomes 1
  Stream s(bytes);
  int16_t pages = 0;
  ASSERT_EQ(getinfostream(s.data, s.size, 0, nullptr, nullptr, nullptr, nullptr, &pages, nullptr), 1);
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(ColorAt(ReadBytes(bytes, 1), 0, 0), 0x1E1E1Eu);
  EXPECT_FALSE(ReadBytes(bytes, 2));
}

TEST(TiffPageWalk, ChainsThatRunInCirclesEnd) {
  TiffMaker m;
  m.Page(1, 1, {8}, 1, 1, {1});
  m.Page(1, 1, {8}, 1, 1, {2});
  std::string selfLinked = m.Bytes(), circle = selfLinked;
  const uint32_t first = m.IfdOffset(0), second = m.IfdOffset(1), entries = 9;
  for (int i = 0; i < 4; ++i) {
    selfLinked[second + 2 + 12 * entries + i] = static_cast<char>(second >> (8 * i));
    circle[second + 2 + 12 * entries + i] = static_cast<char>(first >> (8 * i));
  }
  for (const std::string& bytes : {selfLinked, circle}) {
    Stream s(bytes);
    int16_t pages = 0;
    ASSERT_EQ(getinfostream(s.data, s.size, 0, nullptr, nullptr, nullptr, nullptr, &pages, nullptr), 1);
    EXPECT_EQ(pages, 2);
  }
}

TEST(TiffPageWalk, WhatIsNotATiffFails) {
  TiffMaker m;
  m.Page(1, 1, {8}, 1, 1, {1});
  const std::string good = m.Bytes();
  std::string shortFile = m.Bytes(0).substr(0, 99), badOrder = good, badLink = good;
  badOrder[0] = 'X';
  badLink[4] = static_cast<char>(0xF0);
  for (const std::string& bytes : {shortFile, badOrder, badLink}) {
    Stream s(bytes);
    int32_t width = 7;
    int16_t pages = 7;
    EXPECT_EQ(getinfostream(s.data, s.size, 0, &width, nullptr, nullptr, nullptr, &pages, nullptr), -1);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(pages, 0);
  }
  Stream s(good);
  EXPECT_EQ(getinfostream(s.data, s.size, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), -1);
  EXPECT_EQ(getinfostream(s.data, s.size, -1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), -1);
}

TEST(TiffPageWalk, ReadingAMissingFileCreatesNothing) {
  TempDir dir;
  const std::string path = dir.File("none.tif");
  HGLOBAL dib = nullptr;
  EXPECT_EQ(readtiffiledib(path.c_str(), 0, 0, 0, &dib, 0, nullptr), -1);
  EXPECT_EQ(dib, nullptr);
  EXPECT_EQ(deletepage(path.c_str(), 0), -1);
  EXPECT_FALSE(quill::test::FileExists(path));
}

TEST(TiffPageEdit, DeleteThenPackLeavesOneDirectory) {
  TempDir dir;
  const std::string path = PagesFile(dir, 2);
  ASSERT_EQ(deletepage(path.c_str(), 0), 1);
  EXPECT_EQ(Order(path), "10");
  ASSERT_EQ(packtiff(path.c_str(), 0, nullptr), 1);
  EXPECT_EQ(Order(path), "10");
  const std::string bytes = ReadFile(path);
  const uint32_t ifd = Le32(bytes, 4);
  const uint32_t next = Le32(bytes, ifd + 2 + 12 * Le16(bytes, ifd));
  EXPECT_EQ(next, 0u);
  EXPECT_EQ(FindEntry(StoredEntries(bytes), 254).field, 0u);
  EXPECT_FALSE(quill::test::FileExists(dir.File("pages.WRK")));
}

TEST(TiffPageEdit, PackingWithNothingDeletedLeavesTheFileAlone) {
  TempDir dir;
  const std::string path = PagesFile(dir, 2);
  const std::string before = ReadFile(path);
  EXPECT_EQ(packtiff(path.c_str(), 0, nullptr), 1);
  EXPECT_EQ(ReadFile(path), before);
}

TEST(TiffPageEdit, PackingReportsThreeStepsAPageAndCanBeCancelled) {
  TempDir dir;
  const std::string path = PagesFile(dir, 3);
  ASSERT_EQ(deletepage(path.c_str(), 1), 1);
  const std::string before = ReadFile(path);
  static std::vector<int> seen;
  seen.clear();
  auto cancelAt50 = [](int32_t percent, int32_t) -> int16_t {
    seen.push_back(percent);
    return percent < 50;
  };
  EXPECT_EQ(packtiff(path.c_str(), 0, cancelAt50), -1);
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_FALSE(quill::test::FileExists(dir.File("pages.WRK")));
  EXPECT_EQ(seen, (std::vector<int>{16, 33, 50}));
  seen.clear();
  auto goOn = [](int32_t percent, int32_t) -> int16_t {
    seen.push_back(percent);
    return 1;
  };
  EXPECT_EQ(packtiff(path.c_str(), 0, goOn), 1);
  EXPECT_EQ(seen, (std::vector<int>{16, 33, 50, 66, 83, 100}));
  EXPECT_EQ(Order(path), "0 20");
}

TEST(TiffPageEdit, MoveAndSwapRelinkPages) {
  TempDir dir;
  const std::string path = PagesFile(dir, 3);
  ASSERT_EQ(movepage(path.c_str(), 0, 2), 1);
  EXPECT_EQ(Order(path), "20 0 10");
  const std::string before = ReadFile(path);
  ASSERT_EQ(movepage(path.c_str(), 1, 0), 1);  // already directly before
  EXPECT_EQ(ReadFile(path), before);
  ASSERT_EQ(movepage(path.c_str(), 2, 0), 1);  // forward: before the last
  EXPECT_EQ(Order(path), "0 20 10");
  ASSERT_EQ(swappages(path.c_str(), 0, 1), 1);
  EXPECT_EQ(Order(path), "20 0 10");
  ASSERT_EQ(swappages(path.c_str(), 2, 1), 1);
  EXPECT_EQ(Order(path), "20 10 0");
  ASSERT_EQ(swappages(path.c_str(), 0, 2), 1);
  EXPECT_EQ(Order(path), "0 10 20");
}

TEST(TiffPageEdit, RefusalsLeaveTheFileUnchanged) {
  TempDir dir;
  const std::string path = PagesFile(dir, 2);
  const std::string before = ReadFile(path);
  EXPECT_EQ(swappages(path.c_str(), 1, 1), -1);
  EXPECT_EQ(swappages(path.c_str(), 0, 2), -1);
  EXPECT_EQ(movepage(path.c_str(), 1, 1), -1);
  EXPECT_EQ(movepage(path.c_str(), 5, 0), -1);
  EXPECT_EQ(deletepage(path.c_str(), 2), -1);
  EXPECT_EQ(ReadFile(path), before);

  // Directories that do not begin with NewSubfileType are read but never edited.
  TiffMaker m;
  m.Page(1, 1, {8}, 1, 1, {1});
  m.Page(1, 1, {8}, 1, 1, {2});
  std::string foreign = m.Bytes();
  foreign[m.IfdOffset(0) + 2] = static_cast<char>(255);  // the first entry becomes tag 255
  Stream s(foreign);
  EXPECT_EQ(swappagesstream(s.data, s.size, 0, 1), -1);
  EXPECT_EQ(deletepagestream(s.data, s.size, 1), -1);
  EXPECT_EQ(s.Bytes(), foreign);
  EXPECT_TRUE(ReadBytes(foreign, 1));
}

TEST(TiffPageEdit, DeletingInABigEndianFileWritesABigEndianEntry) {
  TiffMaker m(true);
  m.Page(1, 1, {8}, 1, 1, {1});
  m.Page(1, 1, {8}, 1, 1, {2});
  Stream s(m.Bytes());
  ASSERT_EQ(deletepagestream(s.data, s.size, 0), 1);
  const std::string entry = s.Bytes().substr(m.IfdOffset(0) + 2, 12);
  EXPECT_EQ(entry, std::string("\x00\xFE\x00\x04\x00\x00\x00\x01\x00\x00\x00\x01", 12));
  int16_t pages = 0;
  ASSERT_EQ(getinfostream(s.data, s.size, 0, nullptr, nullptr, nullptr, nullptr, &pages, nullptr), 1);
  EXPECT_EQ(pages, 1);
}

TEST(TiffPageEdit, InsertAndReplacePages) {
  TempDir dir;
  const std::string path = PagesFile(dir, 3);
  Dib dib = MakeDib(8, 4, 8);
  for (int e = 0; e < 256; ++e)
    dib.SetTable(e, static_cast<uint8_t>(e), static_cast<uint8_t>(e), static_cast<uint8_t>(e));
  dib.Fill(99);
  ASSERT_EQ(writetiffiledibpage(path.c_str(), 1, 8, 1, dib.get(), 0, nullptr), 1);
  EXPECT_EQ(Order(path), "0 99 10 20");
  ASSERT_EQ(writetiffiledibpage(path.c_str(), 1, 8, 9, dib.get(), 0, nullptr), 1);
  EXPECT_EQ(Order(path), "0 99 10 20 99");
  dib.Fill(77);
  ASSERT_EQ(writetiffiledibpagereplace(path.c_str(), 1, 8, 2, dib.get(), 0, nullptr), 1);
  EXPECT_EQ(Order(path), "0 99 77 20 99");
  ASSERT_EQ(writetiffiledibpagereplace(path.c_str(), 1, 8, 4, dib.get(), 0, nullptr), 1);
  EXPECT_EQ(Order(path), "0 99 77 20 77");
}

TEST(TiffPageEdit, StreamFormsEditInPlaceAndPackIntoANewBlock) {
  TempDir dir;
  Stream s(ReadFile(PagesFile(dir, 3)));
  ASSERT_EQ(movepagestream(s.data, s.size, 0, 2), 1);
  ASSERT_EQ(deletepagestream(s.data, s.size, 1), 1);
  const uint8_t* before = s.data;
  const uint32_t size = s.size;
  ASSERT_EQ(packtiffstream(&s.data, &s.size, 0, nullptr), 1);
  EXPECT_NE(s.data, before);
  EXPECT_LT(s.size, size);
  const std::string packed = dir.File("packed.tif");
  WriteFile(packed, s.Bytes());
  EXPECT_EQ(Order(packed), "20 10");
}

TEST(TiffPageEdit, AppendingToABigEndianFileKeepsItsByteOrder) {
  TiffMaker m(true);
  m.Page(2, 1, {8}, 1, 1, {3, 4});
  Stream s(m.Bytes(127));  // an odd size: the new page starts after one zero byte
  const Dib page = PatternDib(5, 3, 24);
  ASSERT_EQ(writetiffiledibstream(&s.data, &s.size, 5, 24, 1, page.get(), 0, nullptr), 1);
  const std::string bytes = s.Bytes();
  const uint32_t entries = 9, linkAt = m.IfdOffset(0) + 2 + 12 * entries;
  const uint32_t ifd = static_cast<uint8_t>(bytes[linkAt]) << 24 | static_cast<uint8_t>(bytes[linkAt + 1]) << 16 |
                       static_cast<uint8_t>(bytes[linkAt + 2]) << 8 | static_cast<uint8_t>(bytes[linkAt + 3]);
  EXPECT_EQ(ifd % 2, 0u);
  EXPECT_EQ(bytes.substr(ifd, 4), std::string("\x00\x0E\x00\xFE", 4));  // 14 entries, NewSubfileType first
  EXPECT_EQ(bytes[127], '\0');
  EXPECT_TRUE(SamePicture(page, ReadBytes(bytes, 1)));
}

}  // namespace
}  // namespace quill::tiff::test
