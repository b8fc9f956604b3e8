#include <gtest/gtest.h>

#include <cmath>

#include "mathlib/constants.h"
#include "nc/gcode_writer.h"
#include "post_test_util.h"

namespace quill::test {
namespace {

// A feed move to (1, 0) and then one arc record.
Lines ArcBlocks(const MachineDefinition& m, const std::string& arc, PostParams params = {}) {
  PostRun run;
  PostJob job;
  job.machine = m;
  job.params = params;
  Lines nc = run.Post(job, {Rec(1, 1, 0, 0, 5), arc});
  return Lines(nc.begin() + 2, nc.end());
}

TEST(ArcSweep, DirectionsAndFullCircle) {
  PlanePoint c{0, 0}, east{1, 0}, north{0, 1};
  EXPECT_NEAR(ArcSweep(3, east, north, c), HalfPi, 1e-12);
  EXPECT_NEAR(ArcSweep(2, east, north, c), ThreeHalfPi, 1e-12);
  EXPECT_NEAR(ArcSweep(2, east, east, c), TwoPi, 1e-12);
  EXPECT_NEAR(ArcSweep(3, east, east, c), TwoPi, 1e-12);
}

TEST(ArcSweep, LinearisationStepIsBounded) {
  EXPECT_NEAR(LinearisationStep(0.001, 1.0), 2 * std::acos(0.9995), 1e-12);
  EXPECT_NEAR(LinearisationStep(0.0001, 1.0), 5 * DegToRad, 1e-12);  // below r * 0.0005
  EXPECT_NEAR(LinearisationStep(0.5, 1.0), 5 * DegToRad, 1e-12);     // above 10 degrees
}

TEST(PostArcs, RadiusSignAndFullCircle) {
  // Clockwise from (1, 0) to (0, 1) about the origin: three quarters of a turn.
  EXPECT_EQ(ArcBlocks(PlainMill(), Rec(2, 0, 1, 0, 5, 0, 0)), (Lines{"G02X0Y1.0R-1.0"}));
  EXPECT_EQ(ArcBlocks(PlainMill(), Rec(3, 0, 1, 0, 5, 0, 0)), (Lines{"G03X0Y1.0R1.0"}));
  EXPECT_EQ(ArcBlocks(PlainMill(), Rec(3, 1, 0, 0, 5, 0, 0)), (Lines{"G03I-1.0J0"}));
}

TEST(PostArcs, CentreTypes) {
  MachineDefinition m = PlainMill();
  const std::string arc = Rec(3, 0, 1, 0, 5, 0.5, 0.5);  // from (1, 0) about (0.5, 0.5)
  const char* expected[] = {"G03X0Y1.0I-.5J.5", "G03X0Y1.0I.5J-.5", "G03X0Y1.0I.5J.5", "G03X0Y1.0I.5J.5"};
  for (int type = 1; type <= 4; ++type) {
    m.ARCTYPE = type;
    EXPECT_EQ(ArcBlocks(m, arc), (Lines{expected[type - 1]})) << type;
  }
  m.MTYPE = MachBendix;
  m.ARCTYPE = 1;
  EXPECT_EQ(ArcBlocks(m, Rec(2, 0, 1, 0, 5, 0.5, 0.5)), (Lines{"G02X0Y1.0I-.5J.5D0$"}));
}

TEST(PostArcs, SmallArcIsCutAsPointsEndingOnItsEnd) {
  MachineDefinition m = PlainMill();
  PostParams p;
  p.minArcRadius = 2.0;
  PostRun run;
  PostJob job{m, p, {}, {}};
  Lines nc = run.Post(job, {Rec(1, 1, 0, 0, 5), Rec(3, -1, 0, 0, 5, 0, 0), Rec(1, -1, -1, 0, 5)});
  ASSERT_GE(nc.size(), 5u);
  EXPECT_EQ(nc[2], "G01X1.0Y0");  // the start point, with the linear code and no feed
  EXPECT_EQ(nc[nc.size() - 2], "X-1.0Y0");
  EXPECT_EQ(nc.back(), "Y-1.0");  // the previous code is linear: no motion code
  for (size_t i = 3; i + 2 < nc.size(); ++i) {
    EXPECT_EQ(nc[i].find_first_of("GF"), std::string::npos) << nc[i];
  }
}

TEST(PostArcs, DegenerateArcsGoStraightToTheirEnd) {
  // The start lies on the centre: there is no circle to follow.
  EXPECT_EQ(ArcBlocks(PlainMill(), Rec(2, 1.5, 0, 0, 5, 1, 0)), (Lines{"G01X1.5Y0"}));
  // Start, end and centre within the zero distance.
  EXPECT_EQ(ArcBlocks(PlainMill(), Rec(3, 1.0015, 0, 0, 5, 1.0005, 0)), (Lines{"G01X1.0015Y0"}));
}

TEST(PostArcs, UnknownCentreTypesAreCutAsLines) {
  MachineDefinition m = PlainMill();
  m.ARCTYPE = 9;
  Lines nc = ArcBlocks(m, Rec(3, 0, 1, 0, 5, 0, 0));
  ASSERT_GT(nc.size(), 2u);
  EXPECT_EQ(nc.front(), "G01X1.0Y0");
  EXPECT_EQ(nc.back(), "X0Y1.0");
}

TEST(PostArcs, IncrementalMachineGetsStepsBetweenPoints) {
  MachineDefinition m = PlainMill();
  m.ABSINC = 2;
  m.ARCTYPE = ArcLinear;
  Lines nc = ArcBlocks(m, Rec(3, -1, 0, 0, 5, 0, 0));
  ASSERT_GT(nc.size(), 2u);
  EXPECT_EQ(nc.front(), "G01X0Y0");
  double x = 1, y = 0;
  for (const std::string& line : nc) {
    size_t at = line.find('X'), ay = line.find('Y');
    x += std::stod(line.substr(at + 1, ay - at - 1));
    y += std::stod(line.substr(ay + 1));
  }
  EXPECT_NEAR(x, -1, 1e-3);
  EXPECT_NEAR(y, 0, 1e-3);
}

}  // namespace
}  // namespace quill::test
