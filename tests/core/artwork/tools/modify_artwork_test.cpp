// "Modify Artwork" on the artwork file: the transform, the ordering, and the refusals that leave the
// file as it was.
#include <gtest/gtest.h>

#include <random>

#include "artwork/tools/artwork_ordering.h"
#include "artwork/tools/modify_artwork.h"
#include "artwork/tools/progress_meter.h"
#include "plain_optimizer.h"
#include "tools_fixture.h"

namespace quill {
namespace {

class ModifyArtworkTest : public WorkshopTest {
 protected:
  void Artwork(const std::string& text) {
    test::WriteFile(job.paths.ArtFileName, text);
    job.flags.ArtworkPresent = true;
  }
  std::vector<ArtRecord> Records() {
    std::vector<ArtRecord> out;
    ArtReader in(job.paths.ArtFileName);
    ArtRecord r;
    while (in.Next(r)) out.push_back(r);
    return out;
  }
  void ExpectRecord(const ArtRecord& r, int kind, std::initializer_list<double> values) {
    EXPECT_EQ(r.kind, kind);
    size_t i = 0;
    for (double v : values) EXPECT_NEAR(r.v[i++], v, 1e-9) << "value " << i;
  }
};

TEST_F(ModifyArtworkTest, OffsetScaleAndRotationOfALine) {
  Artwork("1 1.0 0.0 2.0 0.0 0.0\r\n");
  ModifyArtworkOptions o;
  o.xOffset = 1, o.xScale = o.yScale = 2, o.rotateDegrees = 90;
  long records = 0;
  ASSERT_TRUE(ModifyArtwork(job, o, &records));
  EXPECT_EQ(records, 1);
  ExpectRecord(Records()[0], ArtLine, {2, 2, 2, 4});
  EXPECT_TRUE(job.flags.ProjectModified);
}

TEST_F(ModifyArtworkTest, ArcsTurnWithTheDrawingAndAFullCircleOnlyMoves) {
  Artwork("3 1.0 0.0 1.0 0.0 6.2831853072\r\n3 1.0 0.0 1.0 0.5 1.0\r\n2 1.0 0.0 1.0 0.5 6.0\r\n");
  ModifyArtworkOptions o;
  o.rotateDegrees = -90;
  o.xScale = o.yScale = 3;
  ASSERT_TRUE(ModifyArtwork(job, o));
  std::vector<ArtRecord> r = Records();
  ExpectRecord(r[0], ArtArcCcw, {0, -3, 3, 0, 6.2831853072});
  ExpectRecord(r[1], ArtArcCcw, {0, -3, 3, 0.5 - HalfPi + TwoPi, 1 - HalfPi + TwoPi});
  ExpectRecord(r[2], ArtArcCw, {0, -3, 3, 0.5 - HalfPi + TwoPi, 6 - HalfPi});
}

TEST_F(ModifyArtworkTest, EqualNegativeScalesTurnArcsHalfWayRound) {
  Artwork("3 1.0 0.0 1.0 0.0 1.0\r\n1 0.0 0.0 1.0 1.0 0.0\r\n");
  ModifyArtworkOptions o;
  o.xScale = o.yScale = -2;
  ASSERT_TRUE(ModifyArtwork(job, o));
  std::vector<ArtRecord> r = Records();
  ExpectRecord(r[0], ArtArcCcw, {-2, 0, 2, Pi, Pi + 1});
  ExpectRecord(r[1], ArtLine, {0, 0, -2, -2});
}

TEST_F(ModifyArtworkTest, MovesAndUnknownKindsAreNoArtwork) {
  Artwork("0 1.0 1.0 0.0 0.0 0.0\r\n1 0.0 0.0 1.0 0.0 0.0\r\n7 1.0 2.0 3.0 4.0 5.0\r\n");
  long records = 0;
  ASSERT_TRUE(ModifyArtwork(job, {}, &records));
  EXPECT_EQ(records, 1);
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), "1 0.0000000000 0.0000000000 1.0000000000 0.0000000000 0.0\r\n");
}

TEST_F(ModifyArtworkTest, OrderingFollowsTheEndPointsFromTheOrigin) {
  Artwork("1 5.0 0.0 6.0 0.0 0.0\r\n1 1.0 0.0 0.0 0.0 0.0\r\n1 1.0 0.0 2.0 0.0 0.0\r\n");
  ModifyArtworkOptions o;
  o.optimize = true;
  ASSERT_TRUE(ModifyArtwork(job, o));
  std::vector<ArtRecord> r = Records();
  ExpectRecord(r[0], ArtLine, {0, 0, 1, 0});
  ExpectRecord(r[1], ArtLine, {1, 0, 2, 0});
  ExpectRecord(r[2], ArtLine, {5, 0, 6, 0});
}

TEST_F(ModifyArtworkTest, AnArcTakenFromItsFinishRunsBackAndTheChainGoesOnFromItsStart) {
  // A counter-clockwise half circle from (2, 0) to (0, 0), then a line onwards from (2, 0).
  Artwork("3 1.0 0.0 1.0 0.0 3.1415926536\r\n1 2.0 0.0 3.0 0.0 0.0\r\n");
  ModifyArtworkOptions o;
  o.optimize = true;
  ASSERT_TRUE(ModifyArtwork(job, o));
  std::vector<ArtRecord> r = Records();
  ExpectRecord(r[0], ArtArcCw, {1, 0, 1, 3.1415926536, 0});
  ExpectRecord(r[1], ArtLine, {2, 0, 3, 0});
}

TEST_F(ModifyArtworkTest, RecordsFarAwayAreOrderedNotDropped) {
  Artwork("1 20000.0 0.0 20001.0 0.0 0.0\r\n1 0.0 50000.0 0.0 50001.0 0.0\r\n1 1.0 0.0 2.0 0.0 0.0\r\n"
          "1 1e300 1e300 -1e300 1e300 0.0\r\n");
  ModifyArtworkOptions o;
  o.optimize = true;
  long records = 0;
  ASSERT_TRUE(ModifyArtwork(job, o, &records));
  EXPECT_EQ(records, 4);
  std::vector<ArtRecord> r = Records();
  ExpectRecord(r[0], ArtLine, {1, 0, 2, 0});
  ExpectRecord(r[1], ArtLine, {20000, 0, 20001, 0});
  ExpectRecord(r[2], ArtLine, {0, 50000, 0, 50001});
}

TEST_F(ModifyArtworkTest, RefusalsLeaveTheFileAsItWas) {
  const std::string art = "1 0.0 0.0 1.0 0.0 0.0\r\n3 1.0 1.0 1.0 0.0 1.0\r\n";
  ModifyArtworkOptions o;
  EXPECT_FALSE(ModifyArtwork(job, o));
  EXPECT_EQ(ui.Texts().back(), "Art File has not been Imported / Created Yet");
  Artwork(art);
  o.yScale = 0;
  EXPECT_FALSE(ModifyArtwork(job, o));
  EXPECT_EQ(ui.Texts().back(), "X / Y Scale May Not be Zero");
  o.yScale = 2;
  EXPECT_FALSE(ModifyArtwork(job, o));
  EXPECT_EQ(ui.Texts().back(), "File contains Arcs,X/Y Scale must be Equal\nThe Artwork has not been Changed");
  ui.cancelAfter = 0;
  o.yScale = 1;
  o.optimize = true;
  EXPECT_FALSE(ModifyArtwork(job, o));
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), art);
  EXPECT_FALSE(job.flags.ProjectModified);
}

TEST_F(ModifyArtworkTest, AFileThatCannotBeWrittenKeepsItsArtwork) {
  const std::string art = "1 0.0 0.0 1.0 0.0 0.0\r\n1 1.0 0.0 2.0 0.0 0.0\r\n";
  Artwork(art);
  {
    test::FileSizeLimit full(20);
    EXPECT_FALSE(ModifyArtwork(job, {}));
  }
  EXPECT_EQ(ui.messages.back().kind, MsgKind::Warning);
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), art);
}

TEST(OrderArtwork, TheGridGivesWhatTheScanOfEveryRecordGives) {
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> grid(0, 30), kind(1, 6), angle(0, 7);
  std::vector<ArtRecord> records;
  for (int i = 0; i < 1500; ++i) {
    int k = kind(rng);
    if (k <= 4) {
      records.push_back({ArtLine, {grid(rng) * 0.5, grid(rng) * 0.5, grid(rng) * 0.5, grid(rng) * 0.5, 0}});
    } else {
      records.push_back({k == 5 ? ArtArcCw : ArtArcCcw, {grid(rng) * 0.5, grid(rng) * 0.5, 0.5, angle(rng) * HalfPi / 2,
                                                         angle(rng) * HalfPi / 2}});
    }
  }
  for (double tol : {0.001, 0.3, 0.0}) {
    TestUi ui;
    ProgressMeter meter(ui, "", records.size());
    std::vector<ArtRecord> fast = records;
    ASSERT_TRUE(OrderArtwork(fast, tol, meter));
    std::vector<ArtRecord> slow = plain::OrderArtwork(records, tol);
    ASSERT_EQ(fast.size(), slow.size());
    for (size_t i = 0; i < fast.size(); ++i) {
      ASSERT_EQ(FormatArtRecord(fast[i]), FormatArtRecord(slow[i])) << "tolerance " << tol << " at " << i;
    }
  }
}

}  // namespace
}  // namespace quill
