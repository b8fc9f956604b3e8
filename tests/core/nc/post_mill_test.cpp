#include <gtest/gtest.h>

#include "post_test_util.h"

namespace quill::test {
namespace {

TEST(PostMill, OneFeedMoveOnAMillWithoutKeys) {
  PostRun run;
  EXPECT_EQ(run.Post(MachineDefinition{}, {"5 0.0", Rec(1, 1, 2, -0.01, 10), "-999"}),
            (Lines{"N10G90", "N20G01X1.0Y2.0Z-.01F10.0"}));
}

TEST(PostMill, UnchangedMoveWritesNothingUnlessRedundant) {
  const Lines cl = {Rec(1, 1, 2, -0.01, 10), Rec(1, 1, 2, -0.01, 10)};
  PostRun run;
  EXPECT_EQ(run.Post(PlainMill(), cl), (Lines{"G90", "G01X1.0Y2.0Z-.01F10.0"}));
  MachineDefinition m = PlainMill();
  m.REDUN = true;
  EXPECT_EQ(run.Post(m, cl), (Lines{"G90", "G01X1.0Y2.0Z-.01F10.0", "X1.0Y2.0"}));
}

TEST(PostMill, MotionCodesModalOrInEveryBlock) {
  const Lines cl = {Rec(0, 0, 0, 0.1, 0), Rec(1, 1, 0, 0.1, 5), Rec(1, 2, 0, 0.1, 5)};
  PostRun run;
  EXPECT_EQ(run.Post(PlainMill(), cl), (Lines{"G90", "G00X0Y0Z.1", "G01X1.0F5.0", "X2.0"}));
  MachineDefinition m = PlainMill();
  m.MODALG = false;
  EXPECT_EQ(run.Post(m, cl), (Lines{"G90", "G00X0Y0Z.1", "G01X1.0F5.0", "G01X2.0"}));
  m = MachineDefinition{};
  m.MTYPE = MachBendix;
  EXPECT_EQ(run.Post(m, cl), (Lines{"N10G90$", "N20G00X0Y0Z.1$", "N30G01X1.0F5.0$", "N40G01X2.0$"}));
}

TEST(PostMill, SequenceNumbersStepByTheirStart) {
  MachineDefinition m;
  m.STARTSEQ = 5;
  PostRun run;
  EXPECT_EQ(run.Post(m, {Rec(1, 1, 0, 0, 5), Rec(1, 2, 0, 0, 5)}), (Lines{"N5G90", "N10G01X1.0Y0Z0F5.0", "N15X2.0"}));
}

TEST(PostMill, TextRecordsAndResetHome) {
  PostRun run;
  Lines nc = run.Post(PlainMill(), {Rec(1, 1, 2, 0, 5), "900 (SERIAL 7)", "901 Reset Home", Rec(1, 1, 2, 0, 5)});
  // After "Reset Home" the position is unknown again, so the same point is written in full.
  EXPECT_EQ(nc, (Lines{"G90", "G01X1.0Y2.0Z0F5.0", " (SERIAL 7)", "X1.0Y2.0Z0"}));
}

TEST(PostMill, ZWithoutProgrammableAxis) {
  MachineDefinition m = PlainMill();
  m.B3AXIS = false;
  m.ZUPSTR = "M51";
  m.ZDNSTR = "";
  PostRun run;
  EXPECT_EQ(run.Post(m, {Rec(0, 1, 1, 0.1, 0), Rec(1, 1, 1, -0.01, 5), Rec(1, 2, 1, -0.01, 5), Rec(0, 2, 1, 0.1, 0)}),
            (Lines{"G90", "M51", "G00X1.0Y1.0", "G01X2.0F5.0", "M51"}));
}

TEST(PostMill, CyclesAndTheirMemoriesStartFreshEachRun) {
  const Lines cl = {Rec(0, 0, 0, 0.1, 0), "83 1.0 1.0 -0.5 4.0 0.1 0.05", "83 2.0 1.0 -0.5 4.0 0.1 0.05",
                    Rec(80, 2, 1, 0.1, 0)};
  const Lines expected = {"G90", "G00X0Y0Z.1", "G83X1.0Y1.0Z-.5R.1Q.05F4.0", "X2.0", "G80"};
  PostRun run;
  EXPECT_EQ(run.Post(PlainMill(), cl), expected);
  EXPECT_EQ(run.Post(PlainMill(), cl), expected);
}

TEST(PostMill, IncrementalWordsAreSteps) {
  MachineDefinition m = PlainMill();
  m.ABSINC = 2;
  PostRun run;
  EXPECT_EQ(run.Post(m, {Rec(1, 1, 1, 0, 5), Rec(1, 1.5, 1, 0, 5)}), (Lines{"G91", "G01X1.0Y1.0F5.0", "X.5"}));
}

TEST(PostMill, FeedChangesAloneDoNotMakeABlock) {
  PostRun run;
  EXPECT_EQ(run.Post(PlainMill(), {Rec(1, 1, 0, 0, 5), Rec(1, 1, 0, 0, 8), Rec(1, 2, 0, 0, 8)}),
            (Lines{"G90", "G01X1.0Y0Z0F5.0", "X2.0F8.0"}));
}

}  // namespace
}  // namespace quill::test
