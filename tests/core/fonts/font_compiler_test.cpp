#include "fonts/font_compiler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "font_files.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

using test::ReadFont;

class CompileFontTest : public ::testing::Test {
 protected:
  // Compiles the source text; the records of the font come back.
  std::vector<FontRecord> Compile(const std::string& source) {
    test::WriteFile(dir.File("F.QXS"), source);
    result = CompileFont(ui, dir.File("F.QXS"), dir.File("F.QXF"));
    EXPECT_TRUE(result.written);
    return ReadFont(dir.File("F.QXF"));
  }

  test::TempDir dir;
  TestUi ui;
  FontCompileResult result;
};

void ExpectRecord(const FontRecord& r, int kind, double x, double y) {
  EXPECT_EQ(r.kind, kind);
  EXPECT_FLOAT_EQ(r.X, static_cast<float>(x));
  EXPECT_FLOAT_EQ(r.Y, static_cast<float>(y));
}

TEST_F(CompileFontTest, CharacterWithBoxFixedUp) {
  auto f = Compile("(L)\r\nG00 X0 Y1\r\nG01 Y0\r\nX0.6\r\n");
  ASSERT_EQ(f.size(), 7u);
  EXPECT_EQ(f[0].kind, TpCharStart);
  EXPECT_EQ(f[0].value, 'L');
  ExpectRecord(f[1], TpBoxLow, 0, 0);
  ExpectRecord(f[2], TpBoxHigh, 0.6, 1);
  ExpectRecord(f[3], TpMove, 0, 1);
  ExpectRecord(f[4], TpLine, 0, 0);
  ExpectRecord(f[5], TpLine, 0.6, 0);  // modal G01, Y kept
  EXPECT_EQ(f[6].kind, TpCharEnd);
  EXPECT_EQ(result.errors, 0);
}

TEST_F(CompileFontTest, HeadersAndIgnoredLines) {
  auto f = Compile("G01 X5 Y5\n(#65)\nG01 X1 Y1 (TOP)\nG01 X1 Y1\n\n(comment\n(A)\nG00 X2\n(#)\n(()\n(# 9 )\n(\x81)\n");
  std::vector<int> codes;
  for (const auto& r : f) {
    if (r.kind == TpCharStart) codes.push_back(r.value);
  }
  EXPECT_EQ(codes, (std::vector<int>{65, 65, '#', '(', 9, 0x81}));
  // The line before any header and the one holding a "T" leave nothing.
  ASSERT_GE(f.size(), 5u);
  ExpectRecord(f[3], TpLine, 1, 1);
  EXPECT_EQ(f[4].kind, TpCharEnd);
}

TEST_F(CompileFontTest, BadHeaderIsReportedAndItsLinesSkipped) {
  auto f = Compile("(A)\nG01 X1\n(#6x)\nG01 X2\n(#300)\n(B)\nG01 X3\n");
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Character Header [(#6x)] Not Valid");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(result.errors, 2);
  ASSERT_EQ(f.size(), 10u);
  ExpectRecord(f[3], TpLine, 1, 0);
  EXPECT_EQ(f[5].value, 'B');
  ExpectRecord(f[8], TpLine, 3, 0);
}

TEST_F(CompileFontTest, AddressWords) {
  auto f = Compile("(A)\nG00 X1 Y2\nG01 X 1.0 Y3\nG01 X1.2.3 Y-4\nG01 U0.5 V-1\nG01 X2 U0.25\nG01 Y+7 X-.5\n");
  ASSERT_EQ(f.size(), 10u);
  ExpectRecord(f[4], TpLine, 1, 3);      // blank after the letter: X kept
  ExpectRecord(f[5], TpLine, 1, -4);     // unreadable run: X kept
  ExpectRecord(f[6], TpLine, 1.5, -5);   // incremental
  ExpectRecord(f[7], TpLine, 2.25, -5);  // absolute, then incremental
  ExpectRecord(f[8], TpLine, -0.5, 7);
}

TEST_F(CompileFontTest, GWordPriorityAndModes) {
  auto f = Compile("(A)\nG00 G01 X1\nG02 G03 G01 X2 I0.5\nX3 I0.5\nG01 G10 X4\nX5\nX5.5\nX6 G01 G10 G11\nG11\n");
  ASSERT_EQ(f.size(), 59u);
  EXPECT_EQ(f[3].kind, TpLine);
  EXPECT_EQ(f[4].kind, TpArcCcw);
  EXPECT_EQ(f[5].kind, TpArcCcw);  // modal
  // Nodes 4, 5 and 5.5 give a curve; the G11 line's own point is no node.
  EXPECT_EQ(f[6].kind, TpCurveStart);
  EXPECT_EQ(f[6].value, 50);
  ExpectRecord(f[7], TpLine, 4, 0);
  ExpectRecord(f[56], TpLine, 5.5, 0);
  EXPECT_EQ(f[57].kind, TpCurveEnd);
  // The second G11 finds no nodes.
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Character, \"A\"\nSpline Nodes < 3 or > 50");
}

TEST_F(CompileFontTest, ArcCentreRadiusAndBox) {
  // Clockwise over the top from (0,0) to (2,0) about (1,0), and clockwise back under the bottom.
  auto f = Compile("(O)\nG02 X2 Y0 I1 J0\nG02 X0 Y0 I-1\nG00 X0.5 Y0\nG03 X1.5 I0.5\n(C)\nG00 X1 Y1\nG02 X3 Y1\n");
  ASSERT_EQ(f.size(), 14u);
  ExpectRecord(f[1], TpBoxLow, 0, -1);
  ExpectRecord(f[2], TpBoxHigh, 2, 1);
  ExpectRecord(f[3], TpArcCw, 2, 0);
  EXPECT_FLOAT_EQ(f[3].R, 1);
  EXPECT_FLOAT_EQ(f[3].CX, 1);
  EXPECT_FLOAT_EQ(f[3].CY, 0);
  EXPECT_EQ(f[4].kind, TpArcCw);
  // Counter-clockwise from (0.5,0) to (1.5,0) about (1,0) runs under, within the box already there.
  EXPECT_EQ(f[6].kind, TpArcCcw);
  EXPECT_FLOAT_EQ(f[6].R, 0.5);
  // No I and J: the centre is the start point and the radius the chord.
  EXPECT_EQ(f[12].kind, TpArcCw);
  EXPECT_FLOAT_EQ(f[12].CX, 1);
  EXPECT_FLOAT_EQ(f[12].CY, 1);
  EXPECT_FLOAT_EQ(f[12].R, 2);
  // Its start sits on its centre, so it has no start angle and adds nothing beyond its end points.
  ExpectRecord(f[9], TpBoxLow, 1, 1);
  ExpectRecord(f[10], TpBoxHigh, 3, 1);
}

TEST_F(CompileFontTest, EmptyCharacterKeepsTheEmptyBox) {
  auto f = Compile("(A)\n(B)\nG00 X1 Y1\n");
  ExpectRecord(f[1], TpBoxLow, 1000, 1000);
  ExpectRecord(f[2], TpBoxHigh, -1000, -1000);
  EXPECT_EQ(f[3].kind, TpCharEnd);
}

TEST_F(CompileFontTest, SplineNodes) {
  std::string src = "(A)\nG10 X0 Y0\nG10 X1 Y1\n(B)\nG10 X2 Y0\nG11\n(C)\n";
  for (int i = 0; i < 126; ++i) src += "G10 X" + std::to_string(i) + " Y1\n";
  src += "G11\nG01 X1 Y1\n";
  auto f = Compile(src);
  // Nodes left open in A join the spline of B.
  ASSERT_GT(f.size(), 10u);
  EXPECT_EQ(f[4].value, 'B');
  EXPECT_EQ(f[7].kind, TpCurveStart);
  ExpectRecord(f[8], TpLine, 0, 0);
  ExpectRecord(f[57], TpLine, 2, 0);
  // 126 nodes: the error, and no curve in C.
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Character, \"C\"\nSpline Nodes < 3 or > 50");
  EXPECT_EQ(f[f.size() - 2].kind, TpLine);
  EXPECT_EQ(f[f.size() - 3].kind, TpBoxHigh);
  ExpectRecord(f[f.size() - 3], TpBoxHigh, 125, 1);
}

// The closing "M30" and other lines without a moving word add nothing: no zero-length line, and no
// arc of radius 0 after a G02.
TEST_F(CompileFontTest, EndMarkerAddsNoRecord) {
  auto f = Compile("(A)\nG02 X1 Y0 I0.5\nM30");
  ASSERT_EQ(f.size(), 5u);
  EXPECT_EQ(f[3].kind, TpArcCw);
  EXPECT_EQ(f[4].kind, TpCharEnd);
}

TEST_F(CompileFontTest, NumbersBeyondTheFloatRange) {
  auto f = Compile("(A)\nG01 X1" + std::string(60, '0') + " Y-1e5\nG01 X99999999999999999999999999999999999999999\n");
  ASSERT_EQ(f.size(), 6u);
  EXPECT_TRUE(std::isfinite(f[3].X));
  EXPECT_GT(f[3].X, 1e38f);
  EXPECT_FLOAT_EQ(f[3].Y, -1);  // the run stops at the "e": exponents are not read
}

TEST_F(CompileFontTest, FileProblems) {
  FontCompileResult r = CompileFont(ui, dir.File("none.QXS"), dir.File("F.QXF"));
  EXPECT_FALSE(r.written);
  EXPECT_EQ(ui.Texts().back(), "Cannot Read File [" + dir.File("none.QXS") + "]");
  test::WriteFile(dir.File("S.QXS"), "(A)\nG01 X1\n");
  r = CompileFont(ui, dir.File("S.QXS"), dir.File("no/such/F.QXF"));
  EXPECT_FALSE(r.written);
  EXPECT_EQ(ui.Texts().back(), "Cannot Write File [" + dir.File("no/such/F.QXF") + "]");
  EXPECT_EQ(ui.busyDepth, 0);
}

}  // namespace
}  // namespace quill
