// The relief scan: depths that follow the picture's greys, the rows' order and moves, and the values
// it refuses before anything is written.
#include "toolpath/scan/bitmap_scan.h"

#include <cmath>

#include "../outline_support.h"
#include "../toolpath_fixture.h"
#include "pixels/bmp.h"
#include "pixels/picture.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath/scan/scan_picture.h"
#include "toolpath/toolpath_choices.h"

namespace quill {
namespace {

class BitmapScanTest : public ToolPathTest {
 protected:
  BitmapScanTest() {
    job.settings.ZDEPTH = "-0.1";
    job.settings.ZCLEAR = "0.2";
    job.settings.CFEED = "6.5";
    job.settings.ZFEED = "1.5";
  }
  bool Scan(const BitmapScanArea& area, const Picture& picture) {
    ToolPathPlugins p;
    p.bitmapScan = [&](Job& j, const ToolPathPass& pass) { BitmapScan(j, pass, area, picture); };
    return GenerateToolPath(job, ToolPathOptions{ToolPathSource::BitmapScan}, false, p);
  }
  // The moves of the scan, without the rotary radius record.
  std::vector<ClRecord> Moves() { return ReadCl(job.paths.CLFileName); }
  static Picture Ramp(int width, int height) {
    Picture p(width, height, PixelFormat::Grey8);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) p.SetGrey(x, y, static_cast<uint8_t>(x * 255 / (width - 1)));
    }
    return p;
  }
};

TEST_F(BitmapScanTest, AGreyRampScansToDepthsInProportionAndInvertedToTheirMirror) {
  Picture ramp = Ramp(10, 4);
  BitmapScanArea area{0, 0, 1, 0.4, 0.1, 0.1};
  area.unidirectional = true;
  std::vector<ClRecord> plain, inverted;
  for (bool invert : {false, true}) {
    area.invert = invert;
    ASSERT_TRUE(Scan(area, ramp));
    for (const ClRecord& r : Moves()) {
      if (r.code == ClFeed) (invert ? inverted : plain).push_back(r);
    }
  }
  ASSERT_EQ(plain.size(), 5u * 11u);  // every sample differs from the one before
  ASSERT_EQ(inverted.size(), plain.size());
  for (size_t i = 0; i < plain.size(); ++i) {
    int column = std::min(static_cast<int>(std::lround(plain[i].X / 0.1)), 9);  // the right edge reads the last
    double grey = column * 255 / 9;
    EXPECT_NEAR(plain[i].Z, -0.1 + 0.1 * grey / 255, 1e-12) << plain[i].X;
    EXPECT_NEAR(plain[i].Z + inverted[i].Z, -0.1, 1e-12);
  }
}

TEST_F(BitmapScanTest, RowsRunFromTheTopOfThePictureDown) {
  // The top row of the picture white, the rest black: the scan's top row is cut at 0.
  Picture p(4, 4, PixelFormat::Grey8);
  for (int x = 0; x < 4; ++x) p.SetGrey(x, 0, 255);
  BitmapScanArea area{0, 0, 1, 1, 0.25, 0.25};
  area.unidirectional = true;
  ASSERT_TRUE(Scan(area, p));
  for (const ClRecord& r : Moves()) {
    if (r.code != ClFeed) continue;
    // y = 1 reads row 0; y = 0.75 row 1 (black); y = 0 one past the bottom, held to the last row.
    EXPECT_DOUBLE_EQ(r.Z, r.Y > 0.9 ? 0.0 : -0.1) << r.X << " " << r.Y;
  }
}

TEST_F(BitmapScanTest, BidirectionalRowsAlternateWithoutRapidsBetweenThem) {
  Picture checker(200, 200, PixelFormat::Grey8);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) checker.SetGrey(x, y, (x + y) % 2 ? 255 : 0);
  }
  ASSERT_TRUE(Scan({0, 0, 2, 2, 0.01, 0.01}, checker));
  std::vector<ClRecord> moves = Moves();
  // The rotary record, a rapid to the first sample, 201 rows of 201 samples, the retract.  The right
  // edge reads the last column again, so a row running back leaves out its second sample.
  ASSERT_EQ(moves.size(), 1u + 1u + 201u * 201u - 100u + 1u);
  EXPECT_EQ(moves[1].code, ClRapid);
  EXPECT_DOUBLE_EQ(moves[1].X, 0);
  EXPECT_DOUBLE_EQ(moves[1].Y, 0);
  EXPECT_DOUBLE_EQ(moves[1].Z, 0.2);
  EXPECT_EQ(moves.back().code, ClRapid);
  EXPECT_DOUBLE_EQ(moves.back().Z, 0.2);
  for (size_t i = 2; i + 1 < moves.size(); ++i) {
    ASSERT_EQ(moves[i].code, ClFeed) << i;
    EXPECT_EQ(moves[i].F, i == 2 ? 1.5 : 6.5);  // down from the clearance plane at the plunge feed
  }
  // Row 0 runs from 0 to 2, row 1 from 2 back to 0.
  EXPECT_DOUBLE_EQ(moves[2].X, 0);
  EXPECT_DOUBLE_EQ(moves[2 + 200].X, 2);
  EXPECT_DOUBLE_EQ(moves[2 + 201].X, 2);
  EXPECT_DOUBLE_EQ(moves[2 + 201].Y, 0.01);
  EXPECT_DOUBLE_EQ(moves[2 + 201 + 1].X, 1.98);
  EXPECT_DOUBLE_EQ(moves[2 + 400].X, 0);
  EXPECT_DOUBLE_EQ(moves[2 + 401].Y, 0.02);
}

TEST_F(BitmapScanTest, UnidirectionalRowsStartAndEndAtTheClearancePlane) {
  Picture ramp = Ramp(5, 5);
  BitmapScanArea area{1, 2, 0.5, 0.5, 0.1, 0.25};
  area.unidirectional = true;
  ASSERT_TRUE(Scan(area, ramp));
  std::vector<ClRecord> moves = Moves();
  std::vector<ClRecord> rapids;
  for (const ClRecord& r : moves) {
    if (r.code == ClRapid) rapids.push_back(r);
  }
  ASSERT_EQ(rapids.size(), 6u);  // three rows
  for (size_t i = 0; i < rapids.size(); ++i) {
    EXPECT_DOUBLE_EQ(rapids[i].X, i % 2 ? 1.5 : 1.0);
    EXPECT_DOUBLE_EQ(rapids[i].Y, 2 + 0.25 * static_cast<double>(i / 2));
    EXPECT_DOUBLE_EQ(rapids[i].Z, 0.2);
  }
}

TEST_F(BitmapScanTest, ARunOfOneDepthIsOneMoveAndTheClearanceDepthIsNotCut) {
  // White everywhere: depth 0 throughout, which is the clearance plane.
  Picture white(4, 4, PixelFormat::Grey8);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) white.SetGrey(x, y, 255);
  }
  job.settings.ZCLEAR = "0";
  BitmapScanArea area{0, 0, 1, 0.5, 0.1, 0.5};
  ASSERT_TRUE(Scan(area, white));
  std::vector<ClRecord> moves = Moves();
  // The rapid; row 0: its first sample is where the tool stands, its last is always cut; row 1 goes
  // up to its first sample and on to its last; the retract.
  ASSERT_EQ(moves.size(), 6u);
  EXPECT_DOUBLE_EQ(moves[2].X, 1);
  EXPECT_DOUBLE_EQ(moves[3].Y, 0.5);
  EXPECT_DOUBLE_EQ(moves[4].X, 0);
  EXPECT_EQ(moves[5].code, ClRapid);
  // A row of one depth other than the clearance: its first sample, then straight to its last.
  job.settings.ZCLEAR = "0.2";
  job.settings.ZDEPTH = "-0.05";
  area.invert = true;  // white cut at the full depth
  ASSERT_TRUE(Scan(area, white));
  moves = Moves();
  ASSERT_EQ(moves.size(), 1u + 1u + 2u + 2u + 1u);
  EXPECT_DOUBLE_EQ(moves[2].X, 0);
  EXPECT_DOUBLE_EQ(moves[2].Z, -0.05);
  EXPECT_DOUBLE_EQ(moves[3].X, 1);
  EXPECT_DOUBLE_EQ(moves[3].Z, -0.05);
}

TEST_F(BitmapScanTest, AMiddleGreyAndAColourTakeTheirBrightness) {
  Picture grey(1, 1, PixelFormat::Grey8), colour(1, 1, PixelFormat::Rgb24);
  grey.SetGrey(0, 0, 128);
  colour.Set(0, 0, {0, 0, 255});  // blue is dark
  BitmapScanArea area{0, 0, 0.1, 0.1, 0.1, 0.1};
  for (bool invert : {false, true}) {
    area.invert = invert;
    ASSERT_TRUE(Scan(area, grey));
    EXPECT_NEAR(Moves()[2].Z, invert ? -0.1 * 128 / 255 : -0.1 + 0.1 * 128 / 255, 1e-15);
  }
  area.invert = false;
  ASSERT_TRUE(Scan(area, colour));
  EXPECT_NEAR(Moves()[2].Z, -0.1 + 0.1 * 29 / 255.0, 1e-15);
}

TEST_F(BitmapScanTest, ValuesThatCouldNeverEndAreRefusedBeforeAnythingIsWritten) {
  Picture p = Ramp(4, 4);
  const std::pair<BitmapScanArea, const char*> cases[] = {
      {{0, 0, 0, 1, 0.1, 0.1}, "3D Bitmap Scan Width and Height Must be Greater Than Zero"},
      {{0, 0, 1, -1, 0.1, 0.1}, "3D Bitmap Scan Width and Height Must be Greater Than Zero"},
      {{0, 0, 1, 1, 0, 0.1}, "3D Bitmap Scan Stepovers Must be Greater Than Zero"},
      {{0, 0, 1, 1, 0.1, -0.1}, "3D Bitmap Scan Stepovers Must be Greater Than Zero"},
      {{0, 0, 10, 10, 0.001, 0.001}, "3D Bitmap Scan Would Write More Than 10000000 Records"},
  };
  for (const auto& [area, message] : cases) {
    ui.messages.clear();
    EXPECT_EQ(CheckScanArea(area), message);
    ToolPathChoices choices;
    choices.source = ToolPathSource::BitmapScan;
    choices.scanArea = area;
    ASSERT_TRUE(KeepScanPicture(job, p));
    EXPECT_FALSE(GenerateChosenToolPath(job, choices));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{message});
    EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
  }
  EXPECT_EQ(CheckScanArea({}), "");  // the dialog's defaults
  EXPECT_EQ(CheckScanArea({0, 0, 2, 2, 0.001, 0.001}), "");
}

TEST_F(BitmapScanTest, WithoutAPictureThePassIsEmpty) {
  ui.messages.clear();
  EXPECT_TRUE(Scan({}, Picture()));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot Process 3D Bitmap Scan, No Picture Has Been Loaded"});
  EXPECT_EQ(ClLines(), (std::vector<std::string>{"5 0.0000000000000000", "-999"}));
}

TEST_F(BitmapScanTest, CancelEndsThePassAfterItsRowWithTheToolRaised) {
  ui.cancelAfter = 2;
  ASSERT_TRUE(Scan({0, 0, 1, 1, 0.1, 0.1}, Ramp(10, 10)));
  std::vector<ClRecord> moves = Moves();
  EXPECT_EQ(moves.back().code, ClRapid);
  EXPECT_DOUBLE_EQ(moves.back().Z, 0.2);
  for (const ClRecord& r : moves) EXPECT_LE(r.Y, 0.2 + 1e-12);  // three rows at most
}

TEST_F(BitmapScanTest, ThePictureIsLoadedKeptAndFoundAgain) {
  test::TempDir elsewhere;
  ASSERT_TRUE(WriteBmp(elsewhere.File("RAMP.BMP"), Ramp(10, 4)));
  ToolPathChoices choices;
  choices.source = ToolPathSource::BitmapScan;
  choices.scanPicture = elsewhere.File("RAMP.BMP");
  choices.scanArea = {0, 0, 1, 0.4, 0.1, 0.1};
  ASSERT_TRUE(GenerateChosenToolPath(job, choices)) << ::testing::PrintToString(ui.Texts());
  std::vector<std::string> first = ClLines();
  PictureRead kept = LoadScanPicture(job);
  ASSERT_TRUE(kept.Ok());
  EXPECT_EQ(kept.picture.Width(), 10);
  choices.scanPicture.clear();  // the kept picture comes back
  ASSERT_TRUE(GenerateChosenToolPath(job, choices));
  EXPECT_EQ(ClLines(), first);
  // A picture that cannot be read is refused, and the one kept stays.
  test::WriteFile(elsewhere.File("BAD.BMP"), "BMnonsense");
  choices.scanPicture = elsewhere.File("BAD.BMP");
  EXPECT_FALSE(GenerateChosenToolPath(job, choices));
  EXPECT_EQ(ui.Texts().back(), elsewhere.File("BAD.BMP") + ": not a Windows bitmap");
  EXPECT_EQ(LoadScanPicture(job).picture.Width(), 10);
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

}  // namespace
}  // namespace quill
