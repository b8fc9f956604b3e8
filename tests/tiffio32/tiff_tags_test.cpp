// Tags: reporting, reading, and overwriting values and texts in place.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tiff_maker.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

TiffMaker TaggedPage(bool bigEndian = false) {
  TiffMaker m(bigEndian);
  m.Page(2, 1, {8}, 1, 1, {1, 2});
  m.Rational(282, 7, 2);
  m.Rational(283, 300, 1);
  m.Ascii(270, "a long description");
  m.Ascii(271, "Ab");  // short text: a value like any other
  return m;
}

struct Reported {
  int32_t count, value;
  std::string text;
};
std::map<int32_t, Reported> reported;

void Collect(int32_t tag, int32_t count, int32_t value, char* text, int32_t user) {
  reported[tag] = Reported{count, value, text ? text : ""};
  EXPECT_EQ(user, 42);
  GlobalFree(GlobalHandle(text));
}

TEST(TiffTags, ReturnTagsReportsShortEntriesAndLongTexts) {
  Stream s(TaggedPage().Bytes());
  reported.clear();
  ASSERT_EQ(returntagsstream(s.data, s.size, 0, 42, Collect), 1);
  EXPECT_EQ(reported[256].value, 2);
  EXPECT_EQ(reported[282].value, 3);
  EXPECT_EQ(reported[283].value, 300);
  EXPECT_EQ(reported[270].count, 19);
  EXPECT_EQ(reported[270].text, "a long description");
  EXPECT_EQ(reported[271].count, 3);
  EXPECT_EQ(reported[271].value, 'A' | 'b' << 8);
  EXPECT_EQ(reported.count(273), 1u);
  EXPECT_EQ(returntagsstream(s.data, s.size, 1, 42, Collect), -1);
}

TEST(TiffTags, ReadTagGivesValuesAndTextsOnlyWhenAsked) {
  Stream s(TaggedPage().Bytes());
  int16_t count = 0;
  int32_t value = 0;
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 282, &count, &value, nullptr), 1);
  EXPECT_EQ(value, 3);  // 7 / 2
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 283, &count, &value, nullptr), 1);
  EXPECT_EQ(value, 300);
  char* text = nullptr;
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 270, &count, &value, &text), 1);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(value, -1);
  EXPECT_EQ(text, nullptr);
  char asked = 0;
  text = &asked;
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 270, &count, &value, &text), 1);
  EXPECT_EQ(count, 19);
  EXPECT_STREQ(text, "a long description");
  GlobalFree(GlobalHandle(text));
  EXPECT_EQ(readtagstream(s.data, s.size, 0, 315, &count, &value, nullptr), -1);
  EXPECT_EQ(readtagstream(s.data, s.size, 0, 273 + 1000, &count, &value, nullptr), -1);
}

TEST(TiffTags, BigEndianShortValuesAreTheFirstHalf) {
  Stream s(TaggedPage(true).Bytes());
  int16_t count = 0;
  int32_t value = 0;
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 262, &count, &value, nullptr), 1);
  EXPECT_EQ(value, 1);
  ASSERT_EQ(writetagstream(s.data, s.size, 0, 262, 0), 1);
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 262, &count, &value, nullptr), 1);
  EXPECT_EQ(value, 0);
}

TEST(TiffTags, WriteTagOverwritesValuesAndResolutionsInPlace) {
  Stream s(TaggedPage().Bytes());
  const uint32_t size = s.size;
  ASSERT_EQ(writetagstream(s.data, s.size, 0, 282, 600), 1);
  ASSERT_EQ(writetagstream(s.data, s.size, 0, 262, 0), 1);
  EXPECT_EQ(writetagstream(s.data, s.size, 0, 315, 1), -1);
  EXPECT_EQ(s.size, size);
  int16_t count = 0;
  int32_t value = 0;
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 282, &count, &value, nullptr), 1);
  EXPECT_EQ(value, 600);
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 262, &count, &value, nullptr), 1);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(ColorAt(ReadBytes(s.Bytes()), 0, 0), 0xFEFEFEu);  // now min-is-white
}

TEST(TiffTags, WriteTagStringKeepsTheLengthAndTheClosingZero) {
  Stream s(TaggedPage().Bytes());
  char asked = 0;
  char* text = &asked;
  int16_t count = 0;
  int32_t value = 0;
  ASSERT_EQ(writetagstringstream(s.data, s.size, 0, 270, "short"), 1);
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 270, &count, &value, &text), 1);
  EXPECT_EQ(count, 19);
  EXPECT_EQ(std::string(text, 19), std::string("short") + std::string(14, '\0'));
  GlobalFree(GlobalHandle(text));
  ASSERT_EQ(writetagstringstream(s.data, s.size, 0, 270, "a far longer description than fits"), 1);
  text = &asked;
  ASSERT_EQ(readtagstream(s.data, s.size, 0, 270, &count, &value, &text), 1);
  EXPECT_STREQ(text, "a far longer descr");
  GlobalFree(GlobalHandle(text));
  EXPECT_EQ(writetagstringstream(s.data, s.size, 0, 271, "no"), -1);  // a text of 4 bytes or less
  EXPECT_EQ(writetagstringstream(s.data, s.size, 0, 305, "no"), -1);  // missing
}

}  // namespace
}  // namespace quill::tiff::test
