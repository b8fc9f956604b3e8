// Raised and inset letters: hatch lines that stay inside the letters, or between the letters and the
// frame, at any angle, and refusals that leave the artwork alone.
#include "toolpath/hatch/raised_inset.h"

#include <cmath>

#include "../outline_support.h"
#include "../toolpath_fixture.h"
#include "records/artwork_record.h"
#include "toolpath/hatch/hatch_contours.h"
#include "toolpath/hatch/reference_frame.h"

namespace quill {
namespace {

struct Hatch {
  double x1, y1, x2, y2;
  double Length() const { return std::hypot(x2 - x1, y2 - y1); }
};

class RaisedInsetTest : public ToolPathTest {
 protected:
  std::vector<Hatch> Hatches() {
    std::vector<Hatch> out;
    ArtReader in(job.paths.ArtFileName);
    ArtRecord r;
    while (in.Next(r)) {
      if (r.kind == ArtLine) out.push_back({r.v[0], r.v[1], r.v[2], r.v[3]});
    }
    return out;
  }
  // Points all along every hatch line (ends included) satisfy where(x, y).
  template <class Where>
  void ExpectAlong(const std::vector<Hatch>& hatches, Where where) {
    for (const Hatch& h : hatches) {
      for (int k = 0; k <= 20; ++k) {
        double x = h.x1 + (h.x2 - h.x1) * k / 20, y = h.y1 + (h.y2 - h.y1) * k / 20;
        ASSERT_TRUE(where(x, y)) << x << " " << y << " on " << h.x1 << "," << h.y1 << " " << h.x2 << "," << h.y2;
      }
    }
  }
  void Frame(double x, double y, double w, double h) {
    job.settings.RFX = std::to_string(x), job.settings.RFY = std::to_string(y);
    job.settings.RFXX = std::to_string(w), job.settings.RFYY = std::to_string(h);
  }
  double TotalLength() {
    double sum = 0;
    for (const Hatch& h : Hatches()) sum += h.Length();
    return sum;
  }
};

TEST_F(RaisedInsetTest, InsetHatchingStaysInsideTheLettersWithArcsOrLines) {
  for (bool arcs : {false, true}) {
    LayOutTrueType(job, "OB", "1.0", arcs);
    test::WriteFile(job.paths.ArtFileName, "");
    job.flags.ArtworkPresent = false;
    RaisedInsetChoices c;
    c.angle = 30, c.spacing = 0.02, c.reduce = 0.005;
    ASSERT_TRUE(RaisedInsetLetters(job, c)) << ::testing::PrintToString(ui.Texts());
    EXPECT_TRUE(job.flags.ArtworkPresent);
    std::vector<Contour> letters = TextPathContours(job.paths.TextPathFileName);
    std::vector<Hatch> hatches = Hatches();
    ASSERT_GT(hatches.size(), 50u);
    ExpectAlong(hatches, [&](double x, double y) { return InsideOutline(letters, x, y); });
    for (const Hatch& h : hatches) EXPECT_NEAR(std::atan2(h.y2 - h.y1, h.x2 - h.x1), 30 * M_PI / 180, 1e-6);
  }
}

TEST_F(RaisedInsetTest, AnOIsHatchedTwiceOnEveryLineThroughItsRing) {
  LayOutTrueType(job, "O", "1.0");
  RaisedInsetChoices c;
  c.spacing = 0.1, c.reduce = 0.0;
  ASSERT_TRUE(RaisedInsetLetters(job, c));
  std::vector<Hatch> hatches = Hatches();
  std::vector<Contour> ring = TextPathContours(job.paths.TextPathFileName);
  ASSERT_EQ(ring.size(), 2u);
  double innerLow = 1e9, innerHigh = -1e9;
  for (const Pt& p : ring[1]) innerLow = std::min(innerLow, p.y), innerHigh = std::max(innerHigh, p.y);
  for (const Hatch& h : hatches) {
    if (h.y1 <= innerLow + 0.01 || h.y1 >= innerHigh - 0.01) continue;
    int onLine = 0;
    for (const Hatch& g : hatches) onLine += std::fabs(g.y1 - h.y1) < 1e-4;
    EXPECT_EQ(onLine, 2) << h.y1;  // outer edge to inner edge, on both sides
  }
}

TEST_F(RaisedInsetTest, RaisedHatchingFillsTheFrameAroundTheLettersAtAnyAngle) {
  LayOutTrueType(job, "HI", "1.0");
  Frame(-0.2, -0.3, 2.4, 1.6);
  std::vector<Contour> letters = TextPathContours(job.paths.TextPathFileName);
  double lengths[2] = {0, 0};
  int i = 0;
  for (double angle : {45.0, 135.0}) {
    test::WriteFile(job.paths.ArtFileName, "");
    RaisedInsetChoices c;
    c.operation = HatchOperation::Raised, c.angle = angle, c.spacing = 0.03, c.reduce = 0.01;
    ASSERT_TRUE(RaisedInsetLetters(job, c));
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.Texts());
    std::vector<Hatch> hatches = Hatches();
    ExpectAlong(hatches, [&](double x, double y) {
      bool inFrame = x > -0.2 && x < 2.2 && y > -0.3 && y < 1.3;
      return inFrame && !InsideOutline(letters, x, y) && DistanceToOutline(letters, x, y) > 0.005;
    });
    lengths[i++] = TotalLength();
  }
  // The frame is covered corner to corner whichever way the lines lean: about frame area / spacing.
  double expected = 2.4 * 1.6 / 0.03;
  EXPECT_GT(lengths[0], 0.8 * expected);
  EXPECT_NEAR(lengths[1], lengths[0], 0.03 * lengths[0]);
}

TEST_F(RaisedInsetTest, ANoughtAngleHatchesAlmostLevelAndEachLineIsShortenedAtBothEnds) {
  WriteTextPath({Move(0, 0), Line(0, 1), Line(1, 1), Line(1, 0), Line(0, 0)});
  RaisedInsetChoices c;
  c.spacing = 0.3, c.reduce = 0.1;
  ASSERT_TRUE(RaisedInsetLetters(job, c));
  std::vector<Hatch> hatches = Hatches();
  ASSERT_EQ(hatches.size(), 3u);  // at 0.5, 0.8 and 0.2
  for (const Hatch& h : hatches) {
    EXPECT_NEAR(std::atan2(h.y2 - h.y1, h.x2 - h.x1), 0.0001 * M_PI / 180, 1e-8);
    EXPECT_NEAR(h.x1, 0.1, 1e-6);
    EXPECT_NEAR(h.x2, 0.9, 1e-6);
  }
  EXPECT_NEAR(hatches[0].y1, 0.5, 1e-6);
  EXPECT_NEAR(hatches[2].y1, 0.2, 1e-6);
  // A reduction that eats the whole line drops it.
  test::WriteFile(job.paths.ArtFileName, "");
  c.reduce = 0.5;
  ASSERT_TRUE(RaisedInsetLetters(job, c));
  EXPECT_TRUE(Hatches().empty());
}

TEST_F(RaisedInsetTest, ScanLinesThroughCornersCrossEachContourInPairs) {
  // A diamond whose side corners lie on the middle scan line, and a square with an edge along one.
  HatchContours shapes;
  double diamond[5][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  for (int i = 0; i < 4; ++i) shapes.AddLine(diamond[i][0], diamond[i][1], diamond[i + 1][0], diamond[i + 1][1]);
  EXPECT_EQ(shapes.Crossings(0), (std::vector<double>{-1, 1}));
  EXPECT_EQ(shapes.Crossings(1).size() % 2, 0u);
  HatchContours square;
  double corners[5][2] = {{2, 0}, {2, 1}, {3, 1}, {3, 0}, {2, 0}};
  for (int i = 0; i < 4; ++i) square.AddLine(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1]);
  EXPECT_EQ(square.Crossings(0), (std::vector<double>{2, 3}));
  EXPECT_TRUE(square.Crossings(1).empty());
  // A full circle crossed at its middle and through its top.
  HatchContours circle;
  circle.AddArc(1, 0, 1, 0, 0, 0, true);
  std::vector<double> middle = circle.Crossings(0);
  ASSERT_EQ(middle.size(), 2u);
  EXPECT_NEAR(middle[0], -1, 1e-12);
  EXPECT_NEAR(middle[1], 1, 1e-12);
  EXPECT_EQ(circle.Crossings(1).size() % 2, 0u);
  EXPECT_EQ(circle.Crossings(0.5).size(), 2u);
}

TEST_F(RaisedInsetTest, RefusalsAndAnswersLeaveTheArtworkAlone) {
  RaisedInsetChoices c;
  EXPECT_FALSE(RaisedInsetLetters(job, c));
  EXPECT_EQ(ui.Texts().back(), "Text Path Has Not Been Generated Yet");
  WriteTextPath({Move(0, 0), Line(0, 1), Line(1, 1), Line(1, 0), Line(0, 0)});
  WriteArtwork("1 5 5 6 6 0.0\r\n");
  for (auto [spacing, reduce, message] : {std::tuple{0.0, 0.05, "Space Between Cuts Must be Greater Than Zero"},
                                          {-1.0, 0.05, "Space Between Cuts Must be Greater Than Zero"},
                                          {0.05, -0.01, "Reduce Hatch Lines by Cannot be Negative"},
                                          {1e-9, 0.0, "Space Between Cuts Gives More Than 1000000 Hatch Lines"}}) {
    c.spacing = spacing, c.reduce = reduce;
    EXPECT_FALSE(RaisedInsetLetters(job, c));
    EXPECT_EQ(ui.Texts().back(), message);
  }
  // A frame that does not surround the text asks first; No leaves everything as it was.
  Frame(0.5, -1, 2, 3);
  c.operation = HatchOperation::Raised, c.spacing = 0.1, c.reduce = 0;
  ui.answers = {Answer::No};
  EXPECT_FALSE(RaisedInsetLetters(job, c));
  EXPECT_EQ(ui.Texts().back(), "Reference Frame Does Not Appear to Surrond Lettering, Continue Anyway ?");
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), "1 5 5 6 6 0.0\r\n");
  EXPECT_FALSE(job.flags.ProjectModified);
  // Yes goes on, after the artwork already there.
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(RaisedInsetLetters(job, c));
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName).front(), "1 5 5 6 6 0.0");
  EXPECT_GT(Hatches().size(), 5u);
  EXPECT_TRUE(job.flags.ProjectModified);
}

TEST(ReferenceFrame, TheDialogShowsFourDecimalsAndStoresWhatItIsGiven) {
  TestUi ui;
  Job job(ui);
  job.settings.RFX = "1.5", job.settings.RFY = "2*x";
  ReferenceFrameFields f = ReferenceFrameDialogFields(job);
  EXPECT_FALSE(f.enabled);
  EXPECT_EQ(f.x, "1.5000");
  EXPECT_EQ(f.y, "0.0000");
  EXPECT_EQ(f.width, "5.0000");
  f.enabled = true, f.height = "7.25";
  StoreReferenceFrame(job, f);
  EXPECT_TRUE(job.flags.RefFrameOn);
  EXPECT_EQ(job.settings.RFYY, "7.25");
  EXPECT_EQ(job.settings.RFY, "0.0000");
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_STREQ(ReferenceFrameCaption, "Refrence Frame");
}

}  // namespace
}  // namespace quill
