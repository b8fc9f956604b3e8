#include "nc/apt_output.h"

#include <gtest/gtest.h>

#include "job/job.h"
#include "post_test_util.h"

namespace quill::test {
namespace {

class Apt : public ::testing::Test {
 protected:
  Lines Convert(const Lines& records, const AptJob& apt) {
    std::string cl;
    for (const auto& r : records) cl += r + "\r\n";
    test::WriteFile(dir.File("QUILLMAR.CL"), cl);
    ok = WriteAptFile(ui, dir.File("QUILLMAR.CL"), dir.File("QUILLPRO.APT"), apt);
    return test::ReadLines(dir.File("QUILLPRO.APT"));
  }
  // The statements after the four set-up lines, without FINI.
  Lines Moves(const Lines& records) {
    Lines apt = Convert(records, flat);
    return Lines(apt.begin() + 4, apt.end() - 1);
  }

  test::TempDir dir;
  TestUi ui;
  AptJob flat{0, 0, 2, 1, -0.01, 0, 0.125, 0};
  bool ok = false;
};

TEST_F(Apt, TheExampleJob) {
  EXPECT_EQ(Convert({"5 0.0", Rec(0, 0, 0, 0.1, 0), Rec(1, 1, 0, -0.01, 5), "-999"}, flat),
            (Lines{"CBOX/-0.02500,-0.02500,-0.03500,2.02500,1.02500,0.0", "CUTTER/ 0.125000,0,0,0,0,0,3.0", "LOADTL/ 1",
                   "SPINDL/ 1000,  CLW", "RAPID", "GOTO/0.000000,0.000000,0.100000", "FEDRAT/5.0000,IPM",
                   "GOTO/1.000000,0.000000,-0.010000", "FINI"}));
  EXPECT_TRUE(ok);
}

TEST_F(Apt, FeedStatementsOnlyWhenTheFeedChanges) {
  // A rapid's feed becomes the last feed too: the same value keeps it, another one asks again.
  EXPECT_EQ(Moves({Rec(1, 1, 0, 0, 0), Rec(1, 2, 0, 0, 5), Rec(0, 2, 0, 1, 5), Rec(1, 3, 0, 0, 5), Rec(0, 3, 0, 1, 0),
                   Rec(1, 4, 0, 0, 5)}),
            (Lines{"GOTO/1.000000,0.000000,0.000000", "FEDRAT/5.0000,IPM", "GOTO/2.000000,0.000000,0.000000", "RAPID",
                   "GOTO/2.000000,0.000000,1.000000", "GOTO/3.000000,0.000000,0.000000", "RAPID",
                   "GOTO/3.000000,0.000000,1.000000", "FEDRAT/5.0000,IPM", "GOTO/4.000000,0.000000,0.000000"}));
}

TEST_F(Apt, ArcsAndTextRecords) {
  EXPECT_EQ(Moves({"900 (SERIAL 1)", "901 Reset Home", Rec(2, 0, 1, 0, 0, 0, 0), Rec(3, 1, 0, 0, 0, 0, 0),
                   "81 1 1 0 0 0.1 0"}),
            (Lines{"CIRCLE/0.000000,0.000000,0.000000,0,0,-1,1.000000", "GOTO/0.000000,1.000000,0.000000",
                   "CIRCLE/0.000000,0.000000,0.000000,0,0,1,1.000000", "GOTO/1.000000,0.000000,0.000000"}));
}

TEST_F(Apt, CutterByToolShape) {
  AptJob ball = flat, cone = flat, other = flat;
  ball.toolShape = 1;
  ball.toolValue = 0.0625;
  cone.toolShape = 2;
  cone.toolValue = 60;
  other.toolShape = 7;
  EXPECT_EQ(Convert({}, ball)[1], "CUTTER/ 0.125000,0.062500,0,0,0,0,3.0");
  EXPECT_EQ(Convert({}, cone)[1], "CUTTER/ 0.125000,0,0,0,60.000000,0,3.0");
  EXPECT_EQ(Convert({}, other)[1], "LOADTL/ 1");
}

TEST_F(Apt, BadInputKeepsThePreviousFile) {
  test::WriteFile(dir.File("QUILLPRO.APT"), "OLD\n");
  Convert({Rec(1, 1, 0, 0, 5), "1 x 0 0 0"}, flat);
  EXPECT_FALSE(ok);
  EXPECT_EQ(test::ReadFile(dir.File("QUILLPRO.APT")), "OLD\n");
  EXPECT_EQ(ui.Texts(), (Lines{"Invalid number in line 2 of the C/L File [" + dir.File("QUILLMAR.CL") + "]"}));
}

TEST_F(Apt, NothingWithoutAToolPath) {
  Job job(ui);
  EXPECT_FALSE(WriteJobAptFile(job, 0, 0, 1, 1, 0));
  EXPECT_EQ(ui.Texts(), (Lines{"Tool Path Has Not Been Created Yet"}));
}

}  // namespace
}  // namespace quill::test
