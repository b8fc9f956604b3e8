// The fast optimiser against the plain loops over the whole list, on random drawings: every step must
// give the same list to the last bit, in the same order.
#include <gtest/gtest.h>

#include "artwork/tools/optimize.h"
#include "artwork/tools/optimize_steps.h"
#include "plain_optimizer.h"
#include "tools_fixture.h"

namespace quill {
namespace {

struct Case {
  size_t count;
  unsigned seed;
};

void ExpectSameSteps(const std::vector<tgEntity>& drawing, const OptimizeOptions& o, double px, double py) {
  TestUi ui;
  std::vector<tgEntity> fast = drawing, slow = drawing;
  ASSERT_TRUE(RemoveDuplicates(ui, fast));
  plain::RemoveDuplicates(ui, slow);
  ASSERT_EQ(Difference(fast, slow), "") << "removing duplicates";
  ASSERT_TRUE(MergeSimilar(ui, fast));
  plain::MergeSimilar(slow);
  ASSERT_EQ(Difference(fast, slow), "") << "merging";
  ChainEndPoints(ui, fast, o, px, py);
  plain::ChainEndPoints(ui, slow, o, px, py);
  ASSERT_EQ(Difference(fast, slow), "") << "chaining";
  EXPECT_TRUE(ui.messages.empty()) << ui.Texts().front();
}

TEST(OptimizeDifferential, EveryStepGivesWhatThePlainLoopsGive) {
  for (Case c : {Case{40, 1}, Case{200, 2}, Case{700, 3}, Case{2500, 4}}) {
    SCOPED_TRACE("count " + std::to_string(c.count));
    std::vector<tgEntity> drawing = RandomDrawing(c.seed).Make(c.count);
    OptimizeOptions o;
    ExpectSameSteps(drawing, o, -0.5, 3);
  }
}

TEST(OptimizeDifferential, ChainingAgreesForEveryToleranceForcingAndBridging) {
  std::vector<tgEntity> drawing = RandomDrawing(7).Make(900);
  struct Variant {
    double tolerance;
    bool force, bridge;
    double px, py;
  };
  for (Variant v : {Variant{0.001, true, true, 0, 0}, Variant{0.05, false, true, 10, 10}, Variant{0, true, false, 20, 0},
                    Variant{0, true, true, 5.25, 5.25}, Variant{2, true, false, -100, 3}}) {
    SCOPED_TRACE("tolerance " + std::to_string(v.tolerance));
    OptimizeOptions o;
    o.connectTolerance = v.tolerance;
    o.forceEndPoints = v.force;
    o.bridgeGaps = v.bridge;
    TestUi ui;
    std::vector<tgEntity> fast = drawing, slow = drawing;
    ChainEndPoints(ui, fast, o, v.px, v.py);
    plain::ChainEndPoints(ui, slow, o, v.px, v.py);
    EXPECT_EQ(Difference(fast, slow), "");
  }
}

TEST(OptimizeDifferential, DrawingsFarFromTheOriginAndSpreadThin) {
  // A few entities spread over a huge area with a cluster far out: the grids grow and shrink.
  TestUi ui;
  std::vector<tgEntity> drawing = RandomDrawing(11).Make(300);
  for (size_t i = 0; i < drawing.size(); i += 3) drawing[i].Move(ui, 1e6 * double(i % 7), -4e5, 0);
  for (size_t i = 1; i < drawing.size(); i += 5) drawing[i].Scale(ui, 0, 0, 1000);
  OptimizeOptions o;
  o.bridgeGaps = true;
  ExpectSameSteps(drawing, o, 12345, -6789);
}

}  // namespace
}  // namespace quill
