// The layout steps on hand-made lines: each character is a box of width w and height 1 drawn as a move
// to its origin and a line to its far corner.
#include <gtest/gtest.h>

#include <cmath>

#include "mathlib/constants.h"
#include "test_support.h"
#include "textpath/layout_params.h"
#include "textpath/placement.h"
#include "textpath/scale_space.h"
#include "textpath/shape_steps.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class LineTest : public testing::Test {
 protected:
  test::TempDir dir;
  LineWork line{dir.File("QMLINE.TMP"), dir.File("QMLINE1.TMP")};
  TestUi ui;

  void Write(const std::vector<TextPathRecord>& recs) {
    line.Clear();
    TextPathWriter w = line.Writer();
    for (const auto& r : recs) w.Write(r);
  }
  static void Char(std::vector<TextPathRecord>& recs, char code, double w) {
    recs.push_back({TpCharStart, code});
    recs.push_back({TpBoxLow, 0, 0, 0});
    recs.push_back({TpBoxHigh, 0, w, 1});
    recs.push_back({TpMove, 0, 0, 0});
    recs.push_back({TpLine, 0, w, 1});
    recs.push_back({TpCharEnd});
  }
  void WriteChars(const std::string& text, double w = 1) {
    std::vector<TextPathRecord> recs;
    for (char c : text) Char(recs, c, w);
    Write(recs);
  }
  std::vector<TextPathRecord> Read() {
    std::vector<TextPathRecord> out;
    line.ForEach([&](const TextPathRecord& r) { out.push_back(r); });
    return out;
  }
  std::vector<TextPathRecord> Points() {
    std::vector<TextPathRecord> out;
    for (const auto& r : Read()) {
      if (r.kind >= TpMove && r.kind <= TpArcCcw) out.push_back(r);
    }
    return out;
  }
};

TEST_F(LineTest, ConstantSpacingUsesLetterAndWordGaps) {
  WriteChars("A B");
  SpacingRule rule;
  rule.charSpace = 0.25;
  rule.wordSpace = 0.5;
  ScaledLine s = ScaleAndSpace(line, 2, 3, rule);
  auto pts = Points();
  ASSERT_EQ(pts.size(), 6u);
  EXPECT_DOUBLE_EQ(pts[0].X, 0);  // the first character sits at pen position 0
  EXPECT_DOUBLE_EQ(pts[1].X, 2);
  EXPECT_DOUBLE_EQ(pts[1].Y, 3);
  EXPECT_DOUBLE_EQ(pts[2].X, 2 + 0.5);            // a space is preceded by the word gap
  EXPECT_DOUBLE_EQ(pts[4].X, 2.5 + 2 + 0.25);     // and followed by its width plus the letter gap
  EXPECT_DOUBLE_EQ(s.length, 4.75 + 2);
  EXPECT_EQ(s.charCount, 3);
}

TEST_F(LineTest, VariableSpacingReadsTheTableFromTheLinesIndex) {
  WriteChars("CD");
  std::array<CharEntry, CharTableSize> table{};
  table[7] = {'C', 0.3f, 2.0f};
  table[8] = {'D', 0.1f, 4.0f};
  SpacingRule rule;
  rule.constant = false;
  rule.widthFactor = 50;
  rule.textIndex = 7;  // line two of a text whose first line has 5 characters
  rule.table = &table;
  ScaleAndSpace(line, 99, 99, rule);
  auto pts = Points();
  EXPECT_DOUBLE_EQ(pts[1].X, 1);             // width 1 x height 2 x 50 %
  EXPECT_DOUBLE_EQ(pts[1].Y, 2);
  EXPECT_NEAR(pts[2].X, 1 + 0.3, 1e-7);      // the gap after C comes from C's entry
  EXPECT_NEAR(pts[3].Y, 4, 1e-7);            // D's own height
  EXPECT_NEAR(pts[3].X, 1.3 + 2, 1e-7);
}

TEST_F(LineTest, ArcsScaleUniformlyByTheHeight) {
  Write({{TpCharStart, 'O'}, {TpBoxHigh, 0, 1, 1}, {TpMove, 0, 1, 0}, {TpArcCcw, 0, 1, 0, 0.5, 0.5, 0}, {TpCharEnd}});
  ScaleAndSpace(line, 4, 2, SpacingRule{});
  auto arc = Points()[1];
  EXPECT_DOUBLE_EQ(arc.X, 2);
  EXPECT_DOUBLE_EQ(arc.CX, 1);
  EXPECT_DOUBLE_EQ(arc.R, 1);
}

TEST_F(LineTest, MirrorMapsXAroundTheMiddleAndSwapsArcs) {
  Write({{TpMove, 0, 1, 0}, {TpArcCw, 0, 2, 0, 0.5, 1.5, 0}, {TpArcCcw, 0, 3, 0, 0.5, 2.5, 0}});
  MirrorLine(line, 2);  // a line of length 4
  auto r = Read();
  EXPECT_DOUBLE_EQ(r[0].X, 3);
  EXPECT_EQ(r[1].kind, TpArcCcw);
  EXPECT_DOUBLE_EQ(r[1].CX, 2.5);
  EXPECT_EQ(r[2].kind, TpArcCw);
}

TEST_F(LineTest, TiltShearsMovesAndLines) {
  WriteChars("I");
  TiltLine(line, Pi / 4);
  auto pts = Points();
  EXPECT_NEAR(pts[1].X, 2, 1e-12);  // (1, 1) leans one unit over
  EXPECT_NEAR(pts[1].Y, 1, 1e-12);
}

TEST_F(LineTest, VerticalTurnsEachCharacterAndCentresIt) {
  std::vector<TextPathRecord> recs;
  Char(recs, 'A', 0.5);
  Write(recs);
  RotateForVertical(line);
  auto r = Read();
  EXPECT_DOUBLE_EQ(r[2].X, 1);    // the box is transposed: the advance becomes the height
  EXPECT_DOUBLE_EQ(r[2].Y, 0.5);
  // (0.5, 1) turns to (1, -0.5) and moves up by w + (H - w) / 2 = 0.75.
  EXPECT_DOUBLE_EQ(r[4].X, 1);
  EXPECT_DOUBLE_EQ(r[4].Y, 0.25);
  EXPECT_DOUBLE_EQ(r[3].Y, 0.75);
}

TEST_F(LineTest, ArcsBecomeLinesWithinTheTolerance) {
  Write({{TpCharStart, 'O'}, {TpMove, 0, 1, 0}, {TpArcCcw, 0, -1, 0, 1, 0, 0}, {TpCharEnd}});
  ArcsToLines(line, 0.001, true);
  auto pts = Points();
  ASSERT_GT(pts.size(), 10u);
  for (const auto& p : pts) {
    EXPECT_EQ(p.kind == TpMove || p.kind == TpLine, true);
    EXPECT_NEAR(std::hypot(p.X, p.Y), 1, 1e-12);
    EXPECT_GE(p.Y, -1e-12);  // counter-clockwise from (1, 0) to (-1, 0) runs over the top
  }
  EXPECT_DOUBLE_EQ(pts.back().X, -1);
}

LayoutParams Linear(int justify) {
  LayoutParams p;
  p.justify = justify;
  p.xStart = 1;
  p.yStart = 2;
  p.xEnd = 10;
  p.yEnd = 5;
  return p;
}

TEST_F(LineTest, RightJustificationEndsOnTheEndPoint) {
  Write({{TpMove, 0, 0, 0}, {TpLine, 0, 4, 0}});
  PlaceOnLine(line, Linear(JustRight), Pi / 6, 4, 0);
  auto pts = Points();
  EXPECT_NEAR(pts[1].X, 10, 1e-12);
  EXPECT_NEAR(pts[1].Y, 5, 1e-12);
  EXPECT_NEAR(std::atan2(pts[1].Y - pts[0].Y, pts[1].X - pts[0].X), Pi / 6, 1e-12);
}

TEST_F(LineTest, SecondLineSitsOneLineSpaceBelowAndCentreIsCentred) {
  Write({{TpMove, 0, 0, 0}, {TpLine, 0, 4, 0}});
  PlaceOnLine(line, Linear(JustCenter), 0, 4, -1.375);
  auto pts = Points();
  EXPECT_DOUBLE_EQ(pts[0].X, -1);
  EXPECT_DOUBLE_EQ(pts[1].X, 3);
  EXPECT_DOUBLE_EQ(pts[0].Y, 2 - 1.375);
}

LayoutParams Arc(int mode, int justify) {
  LayoutParams p;
  p.mode = mode;
  p.justify = justify;
  p.xStart = 0;
  p.yStart = 0;
  p.xEnd = 5;
  p.textAngle = HalfPi;
  p.endAngle = 0;
  return p;
}

TEST_F(LineTest, ClockwiseArcStartsAtTheAngleAndRunsClockwise) {
  Write({{TpMove, 0, 0, 0}, {TpLine, 0, 1, 0}, {TpLine, 0, 1, 1}});
  ASSERT_TRUE(PlaceOnArc(ui, line, Arc(ModeCwArc, JustLeft), 1, -1.375));
  auto pts = Points();
  double r = 5 - 1.375;  // the second line's radius
  EXPECT_NEAR(pts[0].X, 0, 1e-12);
  EXPECT_NEAR(pts[0].Y, r, 1e-12);
  EXPECT_LT(std::atan2(pts[1].Y, pts[1].X), HalfPi);  // moving clockwise
  EXPECT_NEAR(std::hypot(pts[2].X, pts[2].Y), r + 1, 1e-12);  // tops outward
}

TEST_F(LineTest, CounterClockwiseArcPutsTopsTowardTheCentre) {
  Write({{TpMove, 0, 0, 0}, {TpLine, 0, 0, 1}});
  ASSERT_TRUE(PlaceOnArc(ui, line, Arc(ModeCcwArc, JustLeft), 1, 0));
  auto pts = Points();
  EXPECT_NEAR(std::hypot(pts[0].X, pts[0].Y), 5, 1e-12);
  EXPECT_NEAR(std::hypot(pts[1].X, pts[1].Y), 4, 1e-12);
  EXPECT_NEAR(std::atan2(pts[0].Y, pts[0].X), HalfPi, 1e-12);
}

TEST_F(LineTest, ArcOfRadiusZeroEndsTheRun) {
  Write({{TpMove, 0, 0, 0}});
  LayoutParams p = Arc(ModeCwArc, JustLeft);
  p.xEnd = 1.375;
  EXPECT_FALSE(PlaceOnArc(ui, line, p, 1, -1.375));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Text On Arc Radius = 0"});
}

TEST_F(LineTest, RightAndCentreOnAnArc) {
  Write({{TpMove, 0, 0, 0}, {TpLine, 0, 2, 0}});
  LayoutParams p = Arc(ModeCcwArc, JustRight);
  p.endAngle = Pi;
  ASSERT_TRUE(PlaceOnArc(ui, line, p, 2, 0));
  auto pts = Points();
  EXPECT_NEAR(std::atan2(pts[1].Y, pts[1].X), Pi, 1e-12);  // ends on the end angle

  Write({{TpMove, 0, 0, 0}, {TpLine, 0, 2, 0}});
  p = Arc(ModeCwArc, JustCenter);
  ASSERT_TRUE(PlaceOnArc(ui, line, p, 2, 0));
  pts = Points();
  double a0 = std::atan2(pts[0].Y, pts[0].X), a1 = std::atan2(pts[1].Y, pts[1].X);
  EXPECT_NEAR((a0 + a1) / 2, HalfPi, 1e-12);
}

TEST_F(LineTest, FullJustificationFactors) {
  LayoutParams p = Linear(JustFull);
  p.xStart = 0;
  p.yStart = 0;
  p.xEnd = 3;
  p.yEnd = 4;
  auto s = FullJustification(ui, p, {}, 2, 0);
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->factor, 2.5);
  EXPECT_DOUBLE_EQ(s->angle, std::atan2(4.0, 3.0));

  p.xEnd = p.yEnd = 0;
  EXPECT_FALSE(FullJustification(ui, p, {}, 2, 0));
  EXPECT_EQ(ui.Texts().back(), "Bad Text Start/End Points");

  LayoutParams a = Arc(ModeCwArc, JustFull);  // from 90 down to 0 degrees
  s = FullJustification(ui, a, {}, 1, -1);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->factor, 4 * HalfPi, 1e-12);
  a.mode = ModeCcwArc;  // counter-clockwise from 90 round to 0: three quarters
  s = FullJustification(ui, a, {}, 1, 0);
  EXPECT_NEAR(s->factor, 5 * 3 * HalfPi, 1e-12);
}

TEST_F(LineTest, FollowingACurve) {
  CurvePath path;
  ASSERT_TRUE(path.Build(ui, {{0, 0}, {3, 0}, {3, 4}}, true));
  EXPECT_DOUBLE_EQ(path.Length(), 7);
  EXPECT_NEAR(path.At(5).X, 3, 1e-12);
  EXPECT_NEAR(path.At(5).Y, 2, 1e-12);

  LayoutParams p;
  p.mode = ModeCurve;
  p.textHigh = 1;
  Write({{TpMove, 0, 1, 0}, {TpLine, 0, 5, 0.5}});
  FollowCurve(ui, line, p, path, 5, -1);
  auto pts = Points();
  EXPECT_NEAR(pts[0].X, 1, 1e-12);
  EXPECT_NEAR(pts[0].Y, -1, 1e-12);
  EXPECT_NEAR(pts[1].X, 3, 1e-12);  // upright: only shifted
  EXPECT_NEAR(pts[1].Y, 2 + 0.5 - 1, 1e-12);

  p.perpendicular = true;
  Write({{TpLine, 0, 5, 0.5}});
  FollowCurve(ui, line, p, path, 6, 0);
  pts = Points();
  EXPECT_NEAR(pts[0].X, 3 - 0.5, 1e-12);  // turned with the curve going up
  EXPECT_NEAR(pts[0].Y, 2, 1e-12);
}

TEST_F(LineTest, CurveErrors) {
  CurvePath path;
  EXPECT_FALSE(path.Build(ui, {{0, 0}, {1, 1}, {1.00001, 1}}, false));
  EXPECT_EQ(ui.Texts().back(), "Same Point Given Twice in Curve To Follow");
  ASSERT_TRUE(path.Build(ui, {{0, 0}, {1, 0}}, true));
  Write({{TpMove, 0, 2, 0}});
  LayoutParams p;
  FollowCurve(ui, line, p, path, 2, 0);
  EXPECT_EQ(ui.Texts().back(), "Text is Longer than the Curve to Follow");
  EXPECT_DOUBLE_EQ(Points()[0].X, 2);  // left unplaced
}

TEST_F(LineTest, SplineThroughCollinearPointsStaysOnTheLine) {
  CurvePath path;
  ASSERT_TRUE(path.Build(ui, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, false));
  for (double s : {0.3, 1.7, 4.0}) {
    CurvePoint c = path.At(s);
    EXPECT_NEAR(c.X, c.Y, 1e-9);
    EXPECT_NEAR(c.X, s / std::sqrt(2.0), 1e-9);
  }
}

// A line of ordinary length is shaped in memory, a very long one in the work files: the steps give the
// same records either way.
TEST_F(LineTest, ShapingInMemoryOrInTheWorkFilesGivesTheSameLine) {
  std::vector<TextPathRecord> recs;
  for (char c : std::string("ABC D")) Char(recs, c, 0.75);
  recs.push_back({TpArcCcw, 0, 1, 0.5, 0.5, 0.5, 0.5});
  auto shaped = [&](size_t chars) {
    EXPECT_TRUE(line.Clear(chars));
    {
      TextPathWriter w = line.Writer();
      for (const auto& r : recs) w.Write(r);
    }
    ArcsToLines(line, 0.0005, true);
    TiltLine(line, 0.3);
    RotateForVertical(line);
    MirrorLine(line, 2.5);
    return Read();
  };
  const auto inMemory = shaped(recs.size());
  EXPECT_FALSE(test::FileExists(dir.File("QMLINE.TMP")));
  const auto inFiles = shaped(LineWork::MemoryChars + 1);
  EXPECT_TRUE(test::FileExists(dir.File("QMLINE.TMP")));
  ASSERT_EQ(inMemory.size(), inFiles.size());
  EXPECT_GT(inMemory.size(), recs.size());  // the arc became lines
  for (size_t i = 0; i < inMemory.size(); ++i) {
    EXPECT_EQ(inMemory[i].kind, inFiles[i].kind);
    EXPECT_EQ(inMemory[i].X, inFiles[i].X);
    EXPECT_EQ(inMemory[i].Y, inFiles[i].Y);
    EXPECT_EQ(inMemory[i].CY, inFiles[i].CY);
  }
}

}  // namespace
}  // namespace quill
