// LinuxCNC's standalone interpreter as the outside judge of G-code: it runs a program and prints the
// canonical moves it would make.  scripts/get-rs274.sh puts it under build/rs274/.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace quill::test {

struct Point3 {
  double x, y, z;
};

// Where rs274 lives ($QUILL_RS274_DIR, else build/rs274 in the source folder).
std::string Rs274Root();
// Empty when rs274 is there; otherwise what to run to get it.
std::string Rs274Missing();

// Runs rs274 on the program with a tool table holding tool 1 and an empty variable file kept in dir;
// one program at a time across test processes.
RunResult Interpret(const std::string& program, const TempDir& dir);

// The end points of the canonical moves (STRAIGHT_TRAVERSE, STRAIGHT_FEED, ARC_FEED in the XY plane),
// repeated points taken once.
std::vector<Point3> CanonicalMoves(const std::string& output);
// The end points of the tool path's move records at four decimals, repeated points taken once.
std::vector<Point3> ClPoints(const std::string& clFile);
// True when the tool path's points are one run of the interpreter's moves (macros add their own moves
// before and after), within tolerance on each axis (the rounding of the program's words).  withZ
// false: Z is not compared (a machine without a programmable Z).
bool Follows(const std::vector<Point3>& moves, const std::vector<Point3>& path, bool withZ = true,
             double tolerance = 1e-4);

// A test that reads NC code back: it fails, saying how to get the interpreter, when it is missing.
class Interpreter : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Rs274Missing(), ""); }
  // The interpreter accepts the program and its moves follow the cutter-location file.
  void ExpectAcceptedAndFollowing(const std::string& program, const std::string& clFile);
  TempDir dir;
};

}  // namespace quill::test
