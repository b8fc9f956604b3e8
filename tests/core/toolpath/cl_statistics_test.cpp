#include "toolpath/cl_statistics.h"

#include <cmath>

#include "mathlib/constants.h"
#include "toolpath_fixture.h"

namespace quill {
namespace {

using ClStatisticsTest = ToolPathTest;

TEST_F(ClStatisticsTest, CountsMovesAndMeasuresRapidsAndCuts) {
  test::WriteFile(job.paths.CLFileName,
                  "5 0\r\n"
                  "0 0 0 1 0\r\n"      // the first move starts from nowhere known
                  "0 3 4 1 0\r\n"      // rapid 5
                  "1 3 4 0 2\r\n"      // plunge 1
                  "3 2 5 0 6 2 4\r\n"  // a quarter turn of radius 1, counter-clockwise
                  "2 2 5 0 6 2 4\r\n"  // back where it started: a full turn
                  "900 (comment)\r\n901 Reset Home\r\n"
                  "2 3 4 0 6 2 4\r\n"  // clockwise from (2, 5) to (3, 4): a quarter turn
                  "1 3 4 -1 6\r\n"     // 1 down
                  "-999\r\n"
                  "0 100 100 100 0\r\n");
  job.flags.ToolPathCreated = true;
  long moves = -1;
  double rapid = -1, feed = -1;
  ASSERT_TRUE(CLStatistics(job, moves, rapid, feed));
  EXPECT_EQ(moves, 7);
  EXPECT_NEAR(rapid, 5, 1e-12);
  EXPECT_NEAR(feed, 1 + HalfPi + TwoPi + HalfPi + 1, 1e-12);
}

TEST_F(ClStatisticsTest, NothingWithoutAToolPath) {
  long moves = 0;
  double rapid = 0, feed = 0;
  EXPECT_FALSE(CLStatistics(job, moves, rapid, feed));
  EXPECT_TRUE(ui.messages.empty());

  job.flags.ToolPathCreated = true;  // but the file has gone
  EXPECT_FALSE(CLStatistics(job, moves, rapid, feed));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"C/L File access error #2 [" + job.paths.CLFileName + "]"});
}

}  // namespace
}  // namespace quill
