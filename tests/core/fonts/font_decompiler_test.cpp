#include "fonts/font_decompiler.h"

#include <gtest/gtest.h>

#include "font_files.h"
#include "fonts/font_compiler.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class DecompileFontTest : public ::testing::Test {
 protected:
  std::string Decompile(const std::vector<FontRecord>& font) {
    test::WriteFont(dir.File("F.QXF"), font);
    EXPECT_TRUE(DecompileFont(ui, dir.File("F.QXF"), dir.File("F.QXS")));
    return test::ReadFile(dir.File("F.QXS"));
  }

  // Source to font to source to font: both fonts, byte for byte.
  std::pair<std::string, std::string> RoundTrip(const std::string& source) {
    test::WriteFile(dir.File("A.QXS"), source);
    EXPECT_TRUE(CompileFont(ui, dir.File("A.QXS"), dir.File("A.QXF")).written);
    EXPECT_TRUE(DecompileFont(ui, dir.File("A.QXF"), dir.File("B.QXS")));
    EXPECT_TRUE(CompileFont(ui, dir.File("B.QXS"), dir.File("B.QXF")).written);
    return {test::ReadFile(dir.File("A.QXF")), test::ReadFile(dir.File("B.QXF"))};
  }

  test::TempDir dir;
  TestUi ui;
};

TEST_F(DecompileFontTest, SourceText) {
  std::vector<FontRecord> font{{TpLine, 0, 9, 9},  // before any character: skipped
                               {TpCharStart, 'O'},
                               {TpBoxLow, 0, 0, 0},
                               {TpBoxHigh, 0, 1, 1},
                               {TpMove, 0, 1, 0.5f},
                               {TpArcCcw, 0, 0, 0.5f, 0.5f, 0.5f, 0.5f},
                               {TpLine, 0, -0.125f, 2},
                               {TpArcCw, 0, 1, 2, 0.5f, 0.5f, 2},
                               {TpCharEnd},
                               {TpMove, 0, 7, 7},  // between characters: skipped
                               {TpCharStart, 9},
                               {TpBoxLow},
                               {TpBoxHigh},
                               {TpCurveStart, 3},
                               {TpLine, 0, 0, 0},
                               {TpLine, 0, 1, 1},
                               {TpLine, 0, 2, 0},
                               {TpCurveEnd, 3},
                               {TpArcCcw, 0, 3, 1, 1, 3, 0},
                               {TpCharEnd}};
  EXPECT_EQ(Decompile(font),
            "(O)\r\nT79\r\n"
            "G00 X1.0000 Y0.5000\r\n"
            "G03 X0.0000 Y0.5000 I-0.5000 J0.0000\r\n"
            "G01 X-0.1250 Y2.0000\r\n"
            "G02 X1.0000 Y2.0000 I0.6250 J0.0000\r\n"
            "(#9)\r\nT9\r\n"
            "G10 (3)\r\n"
            "G10 X0.0000 Y0.0000\r\nG10 X1.0000 Y1.0000\r\nG10 X2.0000 Y0.0000\r\n"
            "G11\r\n"
            "G03 X3.0000 Y1.0000 I1.0000 J0.0000\r\n"  // from the last curve point
            "M30");
}

TEST_F(DecompileFontTest, CompileDecompileCompileKeepsEveryRecord) {
  auto [first, second] = RoundTrip(
      "(A)\nG00 X0 Y0\nG01 X0.3333 Y1\nX0.6667 Y0\nG00 X0.1 Y0.3\nG01 X0.55\n"
      "(#)\nG00 X0.2 Y0\nG02 X0.8 Y0 I0.3 J0.1\nG03 X0.2 I-0.3 J-0.7\n"
      "(()\nG00 X1 Y1\n())\nG01 X0.125 Y-0.25\n(T)\nG01 X1\n(#9)\nG00 X1\n(\xe9)\nG01 X0.0001 Y-0.0001\n"
      "(B)\n");
  EXPECT_EQ(first.size(), second.size());
  EXPECT_TRUE(first == second);
  EXPECT_TRUE(ui.messages.empty());
}

// A curve block comes back as 50 nodes after the node 'G10 (50)' puts at the current point: the new
// curve has 51 control points, starts and ends where the old one did, and is again 50 points long.
TEST_F(DecompileFontTest, SplineComesBackAsItsPoints) {
  auto [first, second] = RoundTrip("(S)\nG00 X0 Y0\nG10 X0 Y0\nG10 X1 Y2\nG10 X2 Y0\nG11\nG01 X3 Y0\n");
  auto a = test::ReadFont(dir.File("A.QXF")), b = test::ReadFont(dir.File("B.QXF"));
  ASSERT_EQ(a.size(), b.size());
  EXPECT_EQ(b[4].kind, TpCurveStart);
  EXPECT_EQ(b[4].value, 50);
  EXPECT_FLOAT_EQ(b[5].X, 0);
  EXPECT_FLOAT_EQ(b[54].X, 2);
  EXPECT_FLOAT_EQ(b[54].Y, 0);
  EXPECT_FLOAT_EQ(b[56].X, 3);
  EXPECT_NE(a[30].Y, b[30].Y);
}

TEST_F(DecompileFontTest, FileProblems) {
  EXPECT_FALSE(DecompileFont(ui, dir.File("none.QXF"), dir.File("F.QXS")));
  EXPECT_EQ(ui.Texts().back(), "Cannot Read File [" + dir.File("none.QXF") + "]");
  test::WriteFont(dir.File("F.QXF"), {{TpCharStart, 'A'}, {TpCharEnd}});
  EXPECT_FALSE(DecompileFont(ui, dir.File("F.QXF"), dir.File("no/F.QXS")));
  EXPECT_EQ(ui.Texts().back(), "Cannot Write File [" + dir.File("no/F.QXS") + "]");
  // A torn font and an empty one still give a source that ends in M30.
  test::WriteFile(dir.File("T.QXF"), test::FontBytes({{TpCharStart, 'A'}, {TpLine, 0, 1, 1}}) + "xyz");
  EXPECT_TRUE(DecompileFont(ui, dir.File("T.QXF"), dir.File("T.QXS")));
  EXPECT_EQ(test::ReadFile(dir.File("T.QXS")), "(A)\r\nT65\r\nG01 X1.0000 Y1.0000\r\nM30");
  test::WriteFile(dir.File("E.QXF"), "");
  EXPECT_TRUE(DecompileFont(ui, dir.File("E.QXF"), dir.File("E.QXS")));
  EXPECT_EQ(test::ReadFile(dir.File("E.QXS")), "M30");
}

}  // namespace
}  // namespace quill
