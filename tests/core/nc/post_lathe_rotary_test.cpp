#include <gtest/gtest.h>

#include "post_test_util.h"

namespace quill::test {
namespace {

MachineDefinition Lathe(int lxformat) {
  MachineDefinition m = PlainMill();
  m.MTYPE = MachLathe;
  m.LXFORMAT = lxformat;
  return m;
}

MachineDefinition WrappedDiameter() {
  MachineDefinition m = PlainMill();
  m.CUTTYPE = CutRotaryDiameter;
  m.ROTRECT = false;
  return m;
}

TEST(PostLathe, ToolPathYIsTheXWordAndToolPathXTheZWord) {
  PostRun run;
  EXPECT_EQ(run.Post(Lathe(3), {Rec(1, 2, 0.5, -0.01, 5)}), (Lines{"G90", "G01X-1.0Z2.0F5.0"}));
  EXPECT_EQ(run.Post(Lathe(0), {Rec(1, 2, 0.5, -0.01, 5)}), (Lines{"G90", "G01X1.0Z2.0F5.0"}));
}

TEST(PostLathe, ArcsInTheXzPlane) {
  MachineDefinition m = Lathe(0);
  m.ARCTYPE = ArcToolToCenter;
  // From lathe (Z 2, X 1) to (Z 3, X 2) about (Z 2, X 2).
  const Lines cl = {Rec(1, 2, 1, 0, 5), Rec(3, 3, 2, 0, 5, 2, 2)};
  PostRun run;
  EXPECT_EQ(run.Post(m, cl).back(), "G03X4.0Z3.0I1.0K0");
  m.LXFORMAT = 3;  // X words negated: the I word follows the axis
  EXPECT_EQ(run.Post(m, cl).back(), "G03X-4.0Z3.0I-1.0K0");
  m.ARCTYPE = ArcRadius;
  EXPECT_EQ(run.Post(m, cl).back(), "G03X-4.0Z3.0R1.0");
}

TEST(PostRotary, WrappedAngleOnTheDiameter) {
  MachineDefinition m = WrappedDiameter();
  m.ROTROTREG = "C";
  PostRun run;
  EXPECT_EQ(run.Post(m, {"5 1.0", Rec(1, 0, 0.7854, 0, 5)}).back(), "G01X0Z0C45.0F5.0");
  m.ROTORDER = "ZX";
  EXPECT_EQ(run.Post(m, {"5 1.0", Rec(1, 0, 0.7854, 0, 5)}).back(), "G01Z0X0F5.0");
}

TEST(PostRotary, FeedInDegreesPerMinuteFollowsTheCircumference) {
  MachineDefinition m = WrappedDiameter();
  m.FEEDDPM = true;
  PostRun run;
  // 10 inches per minute on a radius of 1 is 10 / (2 pi) turns, 572.96 degrees, per minute.
  EXPECT_EQ(run.Post(m, {"5 1.0", Rec(1, 0, 0.7854, 0, 10)}).back(), "G01X0Z0C45.0F572.96");
  EXPECT_EQ(run.Post(m, {"5 1.0", Rec(1, 0, 0, 0, 10), Rec(1, 1, 0, 0, 12)}).back(), "X1.0F12.0");
}

TEST(PostRotary, FaceInRectangularModeLeavesItForRapids) {
  MachineDefinition m = PlainMill();
  m.CUTTYPE = CutRotaryFace;
  m.ROTENTER = "G12.1";
  m.ROTLEAVE = "G13.1";
  m.SEQOUT = true;
  PostRun run;
  EXPECT_EQ(run.Post(m, {Rec(0, 1, 0, 0.1, 0), Rec(1, 1, 0.5, 0.1, 5)}),
            (Lines{"N10G90", "N20G12.1", "N30G13.1", "N40G00X1.0Z.1C0", "N50G12.1", "N60G01C.5F5.0", "N70G13.1"}));
}

TEST(PostRotary, LinearisedArcPointsStartLinearAndFollowTheInversion) {
  MachineDefinition m = WrappedDiameter();
  m.ARCTYPE = ArcLinear;
  m.BINVY = true;
  m.ROTROTREG = "A";
  PostRun run;
  Lines nc = run.Post(m, {"5 1.0", Rec(0, 1, 0, 0, 0), Rec(3, 0, 1, 0, 5, 0, 0)});
  ASSERT_GT(nc.size(), 4u);
  EXPECT_EQ(nc[2], "G01X1.0A0");
  EXPECT_EQ(nc.back(), "X0A-57.3");
}

TEST(PostRotary, LatheDepthOnTheDiameter) {
  MachineDefinition m = Lathe(1);
  m.CUTTYPE = CutRotaryDiameter;
  m.ROTRECT = false;
  PostRun run;
  EXPECT_EQ(run.Post(m, {"5 1.0", Rec(1, 0, 0, -0.1, 5)}).back(), "G01X0Z.9C0F5.0");
  m.ABSINC = 2;  // an incremental depth word is the step, never the radius again
  EXPECT_EQ(run.Post(m, {"5 1.0", Rec(1, 0, 0, -0.1, 5), Rec(1, 0, 0, -0.2, 5)}).back(), "Z-.1");
}

}  // namespace
}  // namespace quill::test
