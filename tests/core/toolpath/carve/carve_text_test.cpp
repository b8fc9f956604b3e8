// Carving letters: the cone follows the middle of each stroke as deep as the stroke is wide, within
// the letter, and every refusal comes before the file is touched.
#include "toolpath/carve/carve_text.h"

#include <cmath>

#include "../outline_support.h"
#include "../toolpath_fixture.h"
#include "mathlib/tolerance.h"
#include "toolpath/carve/carve_progress.h"
#include "toolpath/carve/carve_setup.h"
#include "toolpath/cl_output.h"
#include "toolpath/generate_toolpath.h"

namespace quill {
namespace {

const std::string kArcRefusal = "Arc found, Cannot \"Carve\" Text, Change \"Curves\" setting";

class CarveTest : public ToolPathTest {
 protected:
  CarveTest() {
    job.settings.TSHAPE = ShapeCone;
    job.settings.TLCR = "60.0";
    job.settings.TOOLDIA = "0.25";
    job.settings.ZCLEAR = "0.1";
  }
  bool Carve(ToolPathOptions o = {}) {
    o.carveText = true;
    return GenerateToolPath(job, o, false);
  }
  // The cone's depth for a cut of this width.
  static double DepthFor(double width) { return -(width / 2) / std::tan(30 * M_PI / 180); }
  std::vector<ClRecord> Feeds() {
    std::vector<ClRecord> out;
    for (const ClRecord& r : ReadCl(job.paths.CLFileName)) {
      if (r.code == ClFeed) out.push_back(r);
    }
    return out;
  }
  double Deepest(double xmin = -1e9, double xmax = 1e9) {
    double z = 0;
    for (const ClRecord& r : Feeds()) {
      if (r.X >= xmin && r.X <= xmax) z = std::min(z, r.Z);
    }
    return z;
  }
  // A rectangle drawn clockwise (its inside right of the travel) as one character.
  void Rectangle(double width, double height, bool clockwise = true) {
    std::vector<TextPathRecord> recs{Mark(TpCharStart, 'X'), Move(0, 0)};
    if (clockwise) {
      recs.insert(recs.end(), {Line(0, height), Line(width, height), Line(width, 0), Line(0, 0)});
    } else {
      recs.insert(recs.end(), {Line(width, 0), Line(width, height), Line(0, height), Line(0, 0)});
    }
    recs.push_back(Mark(TpCharEnd));
    WriteTextPath(recs);
  }
};

// The widths of the strokes crossed by the level line at y, left to right.
std::vector<double> StrokeWidths(const std::vector<Contour>& contours, double y) {
  std::vector<double> xs;
  for (const Contour& c : contours) {
    for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
      if ((c[i].y > y) != (c[j].y > y)) xs.push_back(c[i].x + (y - c[i].y) * (c[j].x - c[i].x) / (c[j].y - c[i].y));
    }
  }
  std::sort(xs.begin(), xs.end());
  std::vector<double> widths;
  for (size_t i = 0; i + 1 < xs.size(); i += 2) widths.push_back(xs[i + 1] - xs[i]);
  return widths;
}

TEST_F(CarveTest, TrueTypeStrokesAreCarvedAsDeepAsTheyAreWideInsideTheLetter) {
  LayOutTrueType(job, "IO", "1.0");
  ASSERT_TRUE(Carve()) << ::testing::PrintToString(ui.Texts());
  EXPECT_TRUE(ui.messages.empty());
  std::vector<Contour> contours = TextPathContours(job.paths.TextPathFileName);
  // I, then the outer and inner contour of O.
  ASSERT_EQ(contours.size(), 3u);
  std::vector<double> widths = StrokeWidths(contours, 0.5);
  ASSERT_EQ(widths.size(), 3u);
  double iRight = 0, step = 0.01;
  for (const Pt& p : contours[0]) iRight = std::max(iRight, p.x);
  EXPECT_NEAR(Deepest(-1e9, iRight), DepthFor(widths[0]), step);
  EXPECT_NEAR(Deepest(iRight, 1e9), DepthFor(std::max(widths[1], widths[2])), step);
  for (const ClRecord& r : Feeds()) EXPECT_TRUE(InsideOutline(contours, r.X, r.Y)) << r.X << " " << r.Y;
  // Every character ends with the tool raised over its last point.
  std::vector<ClRecord> all = ReadCl(job.paths.CLFileName);
  EXPECT_EQ(all.back().code, ClRapid);
  EXPECT_DOUBLE_EQ(all.back().Z, 0.1);
}

TEST_F(CarveTest, AToolNarrowerThanTheStrokeCutsItsOwnWidthAndWarns) {
  LayOutTrueType(job, "I", "1.0");
  job.settings.TOOLDIA = "0.05";
  ASSERT_TRUE(Carve());
  EXPECT_NEAR(Deepest(), DepthFor(0.05), 1e-12);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Tool MAY be too small, please double check the tool path"});
}

TEST_F(CarveTest, AStrokeOfOneWidthIsOneMoveAndAClosedContourEndsWhereItBegan) {
  Rectangle(2, 0.1);
  ASSERT_TRUE(Carve());
  std::vector<ClRecord> feeds = Feeds();
  EXPECT_LT(feeds.size(), 60u);  // 400 pieces: the two ends and their corners take the rest
  bool longRun = false;
  for (size_t i = 1; i < feeds.size(); ++i) {
    if (std::fabs(feeds[i].X - feeds[i - 1].X) > 1.7 && std::fabs(feeds[i].Z - DepthFor(0.1)) < 0.002 &&
        feeds[i].Z == feeds[i - 1].Z) {
      longRun = true;
    }
  }
  EXPECT_TRUE(longRun);
  // The plunge is the contour's first point; the last cut comes back to it.
  EXPECT_EQ(feeds.front().F, 2.0);
  EXPECT_DOUBLE_EQ(feeds.back().X, feeds.front().X);
  EXPECT_DOUBLE_EQ(feeds.back().Y, feeds.front().Y);
  EXPECT_DOUBLE_EQ(feeds.back().Z, feeds.front().Z);
}

TEST_F(CarveTest, AnOpenStrokeIsNotClosed) {
  WriteTextPath({Move(0, 0), Line(1, 0), Line(1, 1), Mark(TpCharEnd)});
  ASSERT_TRUE(Carve());
  std::vector<ClRecord> feeds = Feeds();
  ASSERT_GT(feeds.size(), 2u);
  EXPECT_GT(std::hypot(feeds.back().X - feeds.front().X, feeds.back().Y - feeds.front().Y), 0.5);
}

TEST_F(CarveTest, MirroredTextIsCarvedOnItsOtherSide) {
  Rectangle(1, 0.2, false);
  job.settings.MIRROR = true;
  ASSERT_TRUE(Carve());
  for (const ClRecord& r : Feeds()) {
    EXPECT_TRUE(r.X > 0 && r.X < 1 && r.Y > 0 && r.Y < 0.2) << r.X << " " << r.Y;
  }
}

TEST_F(CarveTest, DepthPassesRaiseTheCarvingButNeverAboveTheClearance) {
  Rectangle(1, 0.1);
  job.settings.ZTOP = "0", job.settings.ZPERPASS = "-0.05", job.settings.ZDEPTH = "-0.08";
  ToolPathOptions o;
  o.multipleDepths = true;
  ASSERT_TRUE(Carve(o));
  std::vector<ClRecord> feeds = Feeds();
  ASSERT_EQ(feeds.size() % 2, 0u);
  size_t half = feeds.size() / 2;
  for (size_t i = 0; i < half; ++i) EXPECT_NEAR(feeds[i].Z, feeds[i + half].Z + 0.03, 1e-12);

  job.settings.ZCLEAR = "-0.1";  // a clearance plane below the shallow points holds them
  ASSERT_TRUE(Carve(o));
  for (const ClRecord& r : Feeds()) EXPECT_LE(r.Z, -0.1);
}

TEST_F(CarveTest, SettingsCarvingCannotUseAreRefusedBeforeTheFileIsTouched) {
  struct Case {
    void (*set)(EngravingSettings&);
    std::string message;
  };
  const Case cases[] = {
      {[](EngravingSettings& s) { s.TEXTHIGH = "0"; }, "Text Height cannot be Zero"},
      {[](EngravingSettings& s) { s.TEXTHIGH = "-1"; }, "Text Height cannot be Zero"},
      {[](EngravingSettings& s) { s.TLCR = "0"; }, "Tool Tip Angle Must be Between 0 and 180 Degrees"},
      {[](EngravingSettings& s) { s.TLCR = "180"; }, "Tool Tip Angle Must be Between 0 and 180 Degrees"},
      {[](EngravingSettings& s) { s.TLCR = "270"; }, "Tool Tip Angle Must be Between 0 and 180 Degrees"},
      {[](EngravingSettings& s) { s.TOOLDIA = "0"; }, "Tool Diameter Cannot be Zero"},
      {[](EngravingSettings& s) { s.TSHAPE = ShapeBall; }, "3D Carving Works With Cone Shaped Tools Only"},
      {[](EngravingSettings& s) { s.TEXTHIGH = "0.0000001"; }, "3D Carving Would Write More Than 10000000 Records"},
  };
  Rectangle(1, 0.1);
  for (const Case& c : cases) {
    EngravingSettings saved = job.settings;
    c.set(job.settings);
    ui.messages.clear();
    EXPECT_FALSE(Carve());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{c.message});
    EXPECT_FALSE(test::FileExists(job.paths.CLFileName)) << c.message;
    job.settings = saved;
  }
  // Carving sets its own depths: it does not follow a surface.
  ToolPathOptions projected;
  projected.zAxis = ZAxisMode::ProjectOnSurface;
  ui.messages.clear();
  EXPECT_FALSE(Carve(projected));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Carve Text in 3D Cannot be Used with Project on Surface"});
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
}

TEST_F(CarveTest, ArcsAreRefusedBeforeAnyCharacterIsCarved) {
  // The arc comes in the second character: nothing of the first may be written either.
  WriteTextPath({Move(0, 0), Line(0, 1), Line(0.2, 1), Line(0.2, 0), Line(0, 0), Mark(TpCharEnd), Move(1, 0),
                 Arc(TpArcCcw, 1, 0, 0.3, 1.3, 0), Mark(TpCharEnd)});
  EXPECT_FALSE(Carve());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{kArcRefusal});
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
  LayOutTrueType(job, "O", "1.0", true);  // fitted arcs
  ui.messages.clear();
  EXPECT_FALSE(Carve());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{kArcRefusal});
}

// Records what the run's progress window was told, and presses Cancel when asked to.
class ProgressLog : public CarveProgress {
 public:
  long cancelAtTotal = -1, cancelAtCharacter = -1;
  long begun = -1, totals = 0, characters = 0;
  double tangencyDuringRun = 0;
  bool ended = false;
  void Begin(long total) override {
    begun = total;
    tangencyDuringRun = TangencyTolerance;
  }
  bool Total(long n) override {
    ++totals;
    return n != cancelAtTotal;
  }
  bool Character(long, long) override { return ++characters != cancelAtCharacter; }
  void End() override { ended = true; }
};

TEST_F(CarveTest, SmallTextIsCarvedInFinerStepsWithAFinerTangency) {
  job.settings.TEXTHIGH = "0.2";
  ToolPathValues v = ReadToolPathValues(ui, job.settings);
  CarveSetup small = ReadCarveSetup(job, v);
  EXPECT_DOUBLE_EQ(small.step, 0.004);
  EXPECT_DOUBLE_EQ(small.tangency, 5e-06);
  job.settings.TEXTHIGH = "0.25";
  CarveSetup large = ReadCarveSetup(job, v);
  EXPECT_DOUBLE_EQ(large.step, 0.0025);
  EXPECT_DOUBLE_EQ(large.tangency, 5e-05);

  job.settings.TEXTHIGH = "0.2";
  Rectangle(0.5, 0.04);
  ProgressLog log;
  ClOutput out(ui);
  ASSERT_TRUE(out.Open(job.paths.CLFileName, false));
  CarveText(job, ToolPathPass{out, v, v.ZDEPTH}, log);
  out.Close();
  EXPECT_DOUBLE_EQ(log.tangencyDuringRun, 5e-06);
  EXPECT_DOUBLE_EQ(TangencyTolerance, 5e-05);
  EXPECT_EQ(log.begun, 7);  // records of the text path
  EXPECT_EQ(log.totals, 7);
  EXPECT_EQ(log.characters, 2);  // 272 pieces of 0.004: looked at after 100 and 200
  EXPECT_TRUE(log.ended);
}

TEST_F(CarveTest, CancelEndsTheRunWithTheToolRaised) {
  WriteTextPath({Move(0, 0), Line(0, 1), Line(1, 1), Line(1, 0), Line(0, 0), Mark(TpCharEnd), Move(2, 0),
                 Line(2, 1), Line(3, 1), Line(3, 0), Line(2, 0), Mark(TpCharEnd)});
  ToolPathValues v = ReadToolPathValues(ui, job.settings);
  for (int cancelCharacter : {-1, 1}) {
    ProgressLog log;
    log.cancelAtTotal = cancelCharacter < 0 ? 6 : -1;  // after the first character
    log.cancelAtCharacter = cancelCharacter;
    ClOutput out(ui);
    ASSERT_TRUE(out.Open(job.paths.CLFileName, false));
    CarveText(job, ToolPathPass{out, v, v.ZDEPTH}, log);
    out.Close();
    std::vector<ClRecord> recs = ReadCl(job.paths.CLFileName);
    ASSERT_FALSE(recs.empty());
    for (const ClRecord& r : recs) EXPECT_LT(r.X, 1.5) << "the second character was carved";
    EXPECT_EQ(recs.back().code, ClRapid);
    EXPECT_DOUBLE_EQ(recs.back().Z, 0.1);
    EXPECT_TRUE(log.ended);
  }
}

}  // namespace
}  // namespace quill
