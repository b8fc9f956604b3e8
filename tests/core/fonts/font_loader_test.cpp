#include "fonts/font_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "font_files.h"
#include "job/paths.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

using test::ReadTextPath;

class LoadFontCharacterTest : public ::testing::Test {
 protected:
  // Opens a font made of these records and loads one character into the line file.
  bool Load(const std::vector<FontRecord>& font, unsigned char code, double spaceWidth = 0.25) {
    test::WriteFont(dir.File("F.QXF"), font);
    CompiledFont f;
    EXPECT_TRUE(f.Open(dir.File("F.QXF")));
    TextPathWriter out(dir.File("QMLINE.TMP"));
    bool found = LoadFontCharacter(ui, f, code, spaceWidth, out, extent);
    EXPECT_TRUE(out.Close());
    line = ReadTextPath(dir.File("QMLINE.TMP"));
    return found;
  }

  std::vector<int> Kinds() const {
    std::vector<int> k;
    for (const auto& r : line) k.push_back(r.kind);
    return k;
  }

  test::TempDir dir;
  TestUi ui;
  CharExtent extent;
  std::vector<TextPathRecord> line;
};

std::vector<FontRecord> Character(int16_t code, std::vector<FontRecord> drawing, bool closed = true) {
  std::vector<FontRecord> recs{{TpCharStart, code}, {TpBoxLow, 0, 0, 0}, {TpBoxHigh, 0, 1, 1}};
  recs.insert(recs.end(), drawing.begin(), drawing.end());
  if (closed) recs.push_back({TpCharEnd});
  return recs;
}

std::vector<FontRecord> Join(std::vector<FontRecord> a, const std::vector<FontRecord>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(LoadFontCharacterTest, RecordsAreWidenedAndArcsGetTheirRadius) {
  auto font =
      Join(Character('A', {{TpMove, 0, 0, 0}, {TpLine, 0, 0.5f, 1}}),
           Character('B', {{TpMove, 0, 0.25f, -0.5f}, {TpArcCcw, 0, 0.75f, 0, 9, 0.5f, 0}, {TpLine, 0, 2, 0.5f}}));
  ASSERT_TRUE(Load(font, 'B'));
  ASSERT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 3, 6, 4, 7}));
  EXPECT_EQ(line[0].value, 'B');
  EXPECT_DOUBLE_EQ(line[2].X, 1);
  EXPECT_DOUBLE_EQ(line[4].X, 0.75);
  EXPECT_DOUBLE_EQ(line[4].CX, 0.5);
  EXPECT_DOUBLE_EQ(line[4].R, 0.25);  // from the end point and the centre, not the stored 9
  EXPECT_DOUBLE_EQ(line[5].Y, 0.5);
  // The extent covers moves and lines only; the arc's end point is left out.
  EXPECT_DOUBLE_EQ(extent.XMin, 0.25);
  EXPECT_DOUBLE_EQ(extent.YMin, -0.5);
  EXPECT_DOUBLE_EQ(extent.XMax, 2);
  EXPECT_DOUBLE_EQ(extent.YMax, 0.5);
}

TEST_F(LoadFontCharacterTest, SpaceIsBuiltNotRead) {
  extent.Add(5, 5);
  ASSERT_TRUE(Load(Character('H', {{TpLine, 0, 1, 1}}), ' ', 0.3));
  ASSERT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 3, 7}));
  EXPECT_EQ(line[0].value, 32);
  EXPECT_DOUBLE_EQ(line[1].X, 0);
  EXPECT_DOUBLE_EQ(line[2].X, 0.3);
  EXPECT_DOUBLE_EQ(line[2].Y, 0.3);
  EXPECT_DOUBLE_EQ(line[3].X, 0.3);
  EXPECT_DOUBLE_EQ(line[3].Y, 0);
  EXPECT_EQ(extent.XMax, -1000);
}

TEST_F(LoadFontCharacterTest, ConsoleEchoGreenThenBlue) {
  ASSERT_TRUE(Load(Character('H', {{TpLine, 0, 1, 1}}), 'H'));
  ASSERT_EQ(ui.status.size(), 2u);
  EXPECT_EQ(ui.status[0].channel, StatusChannel::TextPathConsole);
  EXPECT_EQ(ui.status[0].text, "H");
  EXPECT_EQ(ui.status[0].color, ConsoleColor::Green);
  EXPECT_FALSE(ui.status[0].newLine);
  EXPECT_EQ(ui.status[1].color, ConsoleColor::Blue);
}

TEST_F(LoadFontCharacterTest, MissingCharacterAndDuplicates) {
  auto font = Join(Character('A', {{TpLine, 0, 1, 0}}), Character('A', {{TpLine, 0, 2, 0}}));
  EXPECT_FALSE(Load(font, 'Z'));
  EXPECT_TRUE(line.empty());
  ASSERT_TRUE(Load(font, 'A'));
  EXPECT_DOUBLE_EQ(line[3].X, 1);  // the first occurrence
  // Codes are 8-bit: 0xE9 is not the value -23.
  EXPECT_FALSE(Load(Character(-23, {{TpLine, 0, 1, 0}}), 0xE9));
  ASSERT_TRUE(Load(Character(0xE9, {{TpLine, 0, 1, 0}}), 0xE9));
}

TEST_F(LoadFontCharacterTest, TruncatedCharactersAreClosed) {
  // The last character has no kind 7 and the file ends in a torn record.
  auto font = Join(Character('A', {{TpLine, 0, 1, 0}}), Character('B', {{TpMove, 0, 1, 1}, {TpLine, 0, 2, 2}}, false));
  test::WriteFile(dir.File("F.QXF"), test::FontBytes(font) + std::string(13, '\x04'));
  CompiledFont f;
  ASSERT_TRUE(f.Open(dir.File("F.QXF")));
  TextPathWriter out(dir.File("QMLINE.TMP"));
  ASSERT_TRUE(LoadFontCharacter(ui, f, 'B', 0.25, out, extent));
  out.Close();
  line = ReadTextPath(dir.File("QMLINE.TMP"));
  EXPECT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 3, 4, 7}));
  // A character without its kind 7 ends where the next one starts.
  ASSERT_TRUE(Load(Join(Character('A', {{TpLine, 0, 1, 0}}, false), Character('B', {{TpLine, 0, 2, 0}})), 'A'));
  EXPECT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 4, 7}));
}

TEST_F(LoadFontCharacterTest, CurveBlocksAreCountedAfresh) {
  std::vector<FontRecord> block{{TpMove, 0, 0, 0}, {TpCurveStart, 30000}};
  for (int i = 0; i < 3; ++i) block.push_back({TpLine, 0, float(i), 1});
  block.push_back({TpCurveEnd, -7});
  block.push_back({TpLine, 0, 5, 5});
  ASSERT_TRUE(Load(Character('C', block), 'C'));
  ASSERT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 3, 9, 4, 4, 4, 10, 4, 7}));
  EXPECT_EQ(line[4].value, 3);
  EXPECT_EQ(line[8].value, 3);

  // A block cut off by the end of the character is closed; an empty one and a stray end vanish.
  std::vector<FontRecord> cut{
      {TpCurveStart, 50}, {TpCurveEnd, 50}, {TpCurveEnd, 2}, {TpCurveStart, 50}, {TpLine, 0, 1, 1}};
  ASSERT_TRUE(Load(Character('D', cut), 'D'));
  ASSERT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 9, 4, 10, 7}));
  EXPECT_EQ(line[3].value, 1);
}

TEST_F(LoadFontCharacterTest, ForeignKindsAndNonNumbersStayOut) {
  FontRecord nan{TpLine, 0, NAN, INFINITY};
  ASSERT_TRUE(Load(Character('E', {{TpLineEnd}, {99, 3}, {-1}, nan, {TpBoxLow, 1, 0, 0}}), 'E'));
  ASSERT_EQ(Kinds(), (std::vector<int>{0, 1, 2, 4, 1, 7}));
  EXPECT_EQ(line[3].X, 0);
  EXPECT_EQ(line[3].Y, 0);
  EXPECT_EQ(line[4].value, 0);  // box records of an engraving font say "own font"
}

// 24 bytes a record, packed little-endian; coordinates that are no numbers read as 0 and values beyond
// the float range are stored as its largest.
TEST(FontRecordBytes, PackedLittleEndian) {
  unsigned char b[FontRecordSize];
  EncodeFontRecord({TpArcCcw, 50, 1.0f, -2.0f, 0.5f, 0, 0.25f}, b);
  EXPECT_EQ(sizeof b, 24u);
  EXPECT_EQ(b[0], 6);
  EXPECT_EQ(b[2], 50);
  EXPECT_EQ(b[7], 0x3F);  // 1.0f is 3F800000
  EXPECT_EQ(b[6], 0x80);
  EXPECT_EQ(b[11], 0xC0);  // -2.0f is C0000000
  EXPECT_EQ(b[23], 0x3E);  // 0.25f is 3E800000
  FontRecord r = DecodeFontRecord(b);
  EXPECT_EQ(r.value, 50);
  EXPECT_EQ(r.Y, -2.0f);
  EXPECT_EQ(r.CY, 0.25f);
  EncodeFontRecord({TpLine, 0, NAN, INFINITY, -INFINITY}, b);
  r = DecodeFontRecord(b);
  EXPECT_EQ(r.X, 0);
  EXPECT_EQ(r.Y, 0);
  EXPECT_EQ(r.R, 0);
  EXPECT_EQ(ToFontFloat(1e300), std::numeric_limits<float>::max());
  EXPECT_EQ(ToFontFloat(-1e300), -std::numeric_limits<float>::max());
  EXPECT_EQ(ToFontFloat(NAN), 0.0f);
}

TEST(OpenEngravingFont, MissingFontIsReported) {
  test::TempDir home;
  TestUi ui;
  JobPaths paths;
  BuildWorkFilePaths(paths, home.path() + "/", home.path() + "/data/");
  paths.EngraveFontFile = "NOSUCH.QXF";
  CompiledFont font;
  EXPECT_FALSE(OpenEngravingFont(ui, paths, font));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Font File [NOSUCH.QXF] Does not exist");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
  // The installed fonts are the fallback.
  std::filesystem::create_directories(home.File("data/fonts"));
  test::WriteFont(home.File("data/fonts/NOSUCH.QXF"), Character('H', {{TpLine, 0, 1, 1}}));
  EXPECT_TRUE(OpenEngravingFont(ui, paths, font));
  EXPECT_TRUE(font.Has('H'));
}

}  // namespace
}  // namespace quill
