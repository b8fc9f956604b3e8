// LinuxCNC's standalone G-code interpreter rs274 (scripts/get-rs274.sh puts it under build/rs274, or
// QUILL_RS274_DIR names it) reading the program's NC code back, and the moves it reports.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace quill::test {

struct Point3 {
  double x, y, z;
};

// The end points of the interpreter's moves (traverses, feeds and arcs), repeats left out.
std::vector<Point3> CanonicalMoves(const std::string& output);
// The points of the cutter-location file's moves as the NC code holds them (to four decimals), repeats
// left out.
std::vector<Point3> ClPoints(const std::string& clFile);
// The tool path's points are one run of the interpreter's moves (the macros add their own around it).
bool Follows(const std::vector<Point3>& moves, const std::vector<Point3>& path);

// A test that reads NC code back: it fails, saying how to get the interpreter, when it is missing.
class Interpreter : public ::testing::Test {
 protected:
  void SetUp() override;
  // rs274 on the program, one interpreter at a time (two at once can bring one down).
  RunResult Interpret(const std::string& program);
  // The interpreter accepts the program and its moves follow the cutter-location file.
  void ExpectAcceptedAndFollowing(const std::string& program, const std::string& clFile);
  TempDir dir;
};

}  // namespace quill::test
