#include "toolpath/text_toolpath.h"

#include "toolpath/generate_toolpath.h"
#include "toolpath_fixture.h"

namespace quill {
namespace {

using TextToolPathTest = ToolPathTest;

// The letters L and O of one line as the layout writes them: marks, font-unit boxes, strokes.
std::vector<TextPathRecord> OneLine() {
  return {Mark(TpCharStart, 'L'),
          Mark(TpBoxLow, 0),
          {TpBoxHigh, 0, 10, 20, 0, 0, 0},
          Move(0.5, 1.0),
          Line(0.5, 0.5),
          Line(0.8, 0.5),
          Mark(TpCharEnd),
          Mark(TpCharStart, 'O'),
          Mark(TpBoxLow, 0),
          {TpBoxHigh, 0, 10, 20, 0, 0, 0},
          Move(1.2, 0.75),
          Arc(TpArcCcw, 0.9, 0.75, 0.15, 1.05, 0.75),
          Arc(TpArcCcw, 1.2, 0.75, 0.15, 1.05, 0.75),
          Mark(TpCharEnd),
          Mark(TpLineEnd)};
}

TEST_F(TextToolPathTest, OneLineOfText) {
  WriteTextPath(OneLine());
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  EXPECT_TRUE(job.flags.ToolPathCreated);
  ExpectGolden(job.paths.CLFileName, "one_line_text.CL");
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 12u);
  EXPECT_EQ(cl[1], Cl(0, 0.5, 1.0, 0.1, 0));    // rapid to the start at the clearance plane
  EXPECT_EQ(cl[2], Cl(1, 0.5, 1.0, -0.05, 2));  // down at the plunge feed
  EXPECT_EQ(cl[3], Cl(1, 0.5, 0.5, -0.05, 6));  // cut at the cut feed
  EXPECT_EQ(cl[5], Cl(0, 0.8, 0.5, 0.1, 0));    // up between strokes
  EXPECT_EQ(cl[10], Cl(0, 1.2, 0.75, 0.1, 0));  // final retract
  EXPECT_EQ(cl[11], "-999");
  EXPECT_EQ(ui.counters.front(), 0);
  EXPECT_EQ(ui.counters.back(), 12);
  EXPECT_GE(ui.pumps, 15);
}

TEST_F(TextToolPathTest, LinesWithinAThousandthAreNotCutButMoveThePreviousPoint) {
  WriteTextPath({Move(0, 0), Line(1, 0), Line(1.0008, 0.0005), Line(1.0019, 0.0005), Line(1.0021, 0.0005)});
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  auto cl = ClLines();
  // 1.0008 is not cut; 1.0019 is 0.0011 beyond it and is; 1.0021 is 0.0002 beyond that and is not.
  ASSERT_EQ(cl.size(), 7u);
  EXPECT_EQ(cl[3], Cl(1, 1, 0, -0.05, 6));
  EXPECT_EQ(cl[4], Cl(1, 1.0019, 0.0005, -0.05, 6));
  EXPECT_EQ(cl[5], Cl(0, 1.0021, 0.0005, 0.1, 0));
}

TEST_F(TextToolPathTest, AShortLineRightAfterAMoveIsStillCut) {
  WriteTextPath({Move(0, 0), Line(0.0005, 0)});
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 6u);
  EXPECT_EQ(cl[3], Cl(1, 0.0005, 0, -0.05, 6));
}

TEST_F(TextToolPathTest, StrokesOfLinearCurvesAreCutPointByPoint) {
  WriteTextPath({Move(0, 0), Mark(TpCurveStart, 2), Line(0.5, 0.1), Line(1, 0), Mark(TpCurveEnd, 2)});
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 7u);
  EXPECT_EQ(cl[3], Cl(1, 0.5, 0.1, -0.05, 6));
  EXPECT_EQ(cl[4], Cl(1, 1, 0, -0.05, 6));
}

TEST_F(TextToolPathTest, AToolNeverFeedsInFromWhereverItStood) {
  // No move before the first stroke: the tool is placed over it at the clearance plane first.
  WriteTextPath({Line(1, 1), Line(2, 1)});
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 7u);
  EXPECT_EQ(cl[1], Cl(0, 1, 1, 0.1, 0));
  EXPECT_EQ(cl[2], Cl(1, 1, 1, -0.05, 2));
  EXPECT_EQ(cl[3], Cl(1, 1, 1, -0.05, 6));
  EXPECT_EQ(cl[4], Cl(1, 2, 1, -0.05, 6));

  // A first arc starts where every text path starts, at the origin.
  WriteTextPath({Arc(TpArcCw, 1, 0, 0.5, 0.5, 0)});
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  cl = ClLines();
  ASSERT_EQ(cl.size(), 6u);
  EXPECT_EQ(cl[1], Cl(0, 0, 0, 0.1, 0));
  EXPECT_EQ(cl[2], Cl(1, 0, 0, -0.05, 2));
  EXPECT_EQ(cl[3], Cl(2, 1, 0, -0.05, 6, 0.5, 0));
}

TEST_F(TextToolPathTest, TextWithoutGeometryWritesNoRetractToTheFarPoint) {
  WriteTextPath({Mark(TpCharStart, ' '), Mark(TpCharEnd), Mark(TpLineEnd)});
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  EXPECT_EQ(ClLines(), (std::vector<std::string>{"5 0.0000000000000000", "-999"}));
}

TEST_F(TextToolPathTest, WithoutATextPathNothingIsCut) {
  WriteTextPath({Move(0, 0), Line(1, 0)});
  job.flags.TextPathGenerated = false;
  EXPECT_FALSE(GenerateToolPath(job, {}, false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot Process Text, Text path Not Generated"});
  EXPECT_EQ(ClLines(), std::vector<std::string>{"5 0.0000000000000000"});
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

}  // namespace
}  // namespace quill
