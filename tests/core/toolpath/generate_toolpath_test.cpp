#include "toolpath/generate_toolpath.h"

#include "toolpath/cl_output.h"
#include "toolpath_fixture.h"

namespace quill {
namespace {

class GenerateToolPathTest : public ToolPathTest {
 protected:
  GenerateToolPathTest() {
    WriteTextPath({Move(0, 0), Line(1, 0)});
    WriteArtwork("1 5 5 6 5 0.0\r\n");
  }

  // The depths of the plunges, in order.
  std::vector<double> Plunges() {
    std::vector<double> depths;
    for (const auto& line : ClLines()) {
      ClRecord r;
      if (ParseClRecord(line, r) && r.code == ClFeed && r.F == 2) depths.push_back(r.Z);
    }
    return depths;
  }

  ToolPathOptions Passes(const char* top, const char* step, const char* depth) {
    job.settings.ZTOP = top;
    job.settings.ZPERPASS = step;
    job.settings.ZDEPTH = depth;
    ToolPathOptions o;
    o.multipleDepths = true;
    return o;
  }
};

TEST_F(GenerateToolPathTest, DepthPassesStepDownToTheCuttingDepth) {
  ASSERT_TRUE(GenerateToolPath(job, Passes("0", "-0.05", "-0.08"), false));
  EXPECT_EQ(Plunges(), (std::vector<double>{-0.05, -0.08}));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 10u);  // each pass with its rapid, plunge, cut and final retract
  EXPECT_EQ(cl[4], Cl(0, 1, 0, 0.1, 0));
  EXPECT_EQ(cl[8], Cl(0, 1, 0, 0.1, 0));

  // Steps that do not add up exactly still end on the cutting depth without an extra pass.
  ASSERT_TRUE(GenerateToolPath(job, Passes("0", "0.1", "-0.3"), false));
  EXPECT_EQ(Plunges(), (std::vector<double>{-0.1, -0.2, -0.3}));
}

TEST_F(GenerateToolPathTest, TopAtOrBelowTheDepthGivesOnePass) {
  for (const char* top : {"-0.08", "-0.2"}) {
    ASSERT_TRUE(GenerateToolPath(job, Passes(top, "-0.05", "-0.08"), false));
    EXPECT_EQ(Plunges(), std::vector<double>{-0.08}) << top;
  }
  ASSERT_TRUE(GenerateToolPath(job, Passes("-0.2", "0", "-0.08"), false));  // a zero step does no harm here
  EXPECT_EQ(Plunges(), std::vector<double>{-0.08});
}

TEST_F(GenerateToolPathTest, AZeroStepThatCouldNeverReachTheDepthIsRefusedBeforeWriting) {
  test::WriteFile(job.paths.CLFileName, "old\r\n");
  EXPECT_FALSE(GenerateToolPath(job, Passes("0", "0.0", "-0.08"), false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"-Z- Per Pass Cannot be Zero with Multiple -Z- Depths"});
  EXPECT_EQ(test::ReadFile(job.paths.CLFileName), "old\r\n");
  EXPECT_FALSE(job.flags.ToolPathCreated);

  ui.messages.clear();
  EXPECT_FALSE(GenerateToolPath(job, Passes("0", "0.00006", "-1"), false));  // 16,667 passes
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"-Z- Per Pass Gives More Than 10000 Passes"});
  EXPECT_EQ(test::ReadFile(job.paths.CLFileName), "old\r\n");
}

TEST_F(GenerateToolPathTest, SourcesComeInTheChosenOrder) {
  ASSERT_TRUE(GenerateToolPath(job, {ToolPathSource::ArtworkThenText}, false));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 10u);
  EXPECT_EQ(cl[1], Cl(0, 5, 5, 0.1, 0));
  EXPECT_EQ(cl[5], Cl(0, 0, 0, 0.1, 0));

  ASSERT_TRUE(GenerateToolPath(job, {ToolPathSource::TextThenArtwork}, false));
  cl = ClLines();
  EXPECT_EQ(cl[1], Cl(0, 0, 0, 0.1, 0));
  EXPECT_EQ(cl[5], Cl(0, 5, 5, 0.1, 0));

  job.flags.TextPathGenerated = false;
  EXPECT_FALSE(GenerateToolPath(job, {ToolPathSource::ArtworkThenText}, false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot Process Text, Text path Not Generated"});
}

TEST_F(GenerateToolPathTest, AppendModeAddsARunWithoutAnEnd) {
  test::WriteFile(job.paths.CLFileName, "900 (SN1)\r\n");
  job.settings.ROTRAD = "1.5";
  ASSERT_TRUE(GenerateToolPath(job, {}, true));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 6u);
  EXPECT_EQ(cl[0], "900 (SN1)");
  EXPECT_EQ(cl[1], "5 1.5000000000000000");
  EXPECT_EQ(cl[5], Cl(0, 1, 0, 0.1, 0));
}

TEST_F(GenerateToolPathTest, NumbersThatAreNotNumbersWarnAndCountAsZero) {
  job.settings.ZDEPTH = "deep";
  ASSERT_TRUE(GenerateToolPath(job, {}, false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Integer/Double String Conversion Error\nS = [deep]\nEr = 1"});
  EXPECT_EQ(Plunges(), std::vector<double>{0});
}

TEST_F(GenerateToolPathTest, AFileThatCannotBeWrittenIsReported) {
  job.paths.CLFileName = home.File("no/such/folder/QUILLMAR.CL");
  EXPECT_FALSE(GenerateToolPath(job, {}, false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"C/L File access error #2 [" + job.paths.CLFileName + "]"});
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

// A surface that lies 1 below the work plane and cuts every line and arc as one move.
class FlatSurface : public SurfaceProjection {
 public:
  bool ok = true;
  bool PrepareSurface() override { return ok; }
  void ProjectPoint(double&, double&, double& z) override { z = -1; }
  void ProjectedLine(ClOutput& out, double, double, double x2, double y2, double feed) override {
    out.WriteCLRecord(ClFeed, x2, y2, -1, feed);
  }
  void ProjectedArc(ClOutput& out, int, double, double, double x2, double y2, double, double, double feed) override {
    out.WriteCLRecord(ClFeed, x2, y2, -1, feed);
  }
};

TEST_F(GenerateToolPathTest, PlugInsTakeOverTheirPartsOfTheRun) {
  std::vector<double> carved, scanned;
  ToolPathPlugins p;
  p.carveText = [&](Job&, const ToolPathPass& pass) { carved.push_back(pass.depth); };
  p.bitmapScan = [&](Job&, const ToolPathPass& pass) { scanned.push_back(pass.depth); };
  ToolPathOptions o = Passes("0", "-0.05", "-0.08");
  o.carveText = true;
  ASSERT_TRUE(GenerateToolPath(job, o, false, p));
  EXPECT_EQ(carved, (std::vector<double>{-0.05, -0.08}));
  o.source = ToolPathSource::BitmapScan;
  job.flags.TextPathGenerated = job.flags.ArtworkPresent = false;  // the scan needs neither
  ASSERT_TRUE(GenerateToolPath(job, o, false, p));
  EXPECT_EQ(scanned, (std::vector<double>{-0.05, -0.08}));
  EXPECT_EQ(ClLines(), (std::vector<std::string>{"5 0.0000000000000000", "-999"}));
}

TEST_F(GenerateToolPathTest, ProjectionFollowsTheSurfaceInOnePass) {
  FlatSurface surface;
  ToolPathPlugins p;
  p.projection = &surface;
  ToolPathOptions o = Passes("0", "-0.05", "-0.08");
  o.zAxis = ZAxisMode::ProjectOnSurface;
  ASSERT_TRUE(GenerateToolPath(job, o, false, p));
  EXPECT_EQ(Plunges(), std::vector<double>{-1});
  EXPECT_EQ(ClLines()[3], Cl(1, 1, 0, -1, 6));

  surface.ok = false;  // a surface that cannot be built stops the run before the file is touched
  test::WriteFile(job.paths.CLFileName, "old\r\n");
  EXPECT_FALSE(GenerateToolPath(job, o, false, p));
  EXPECT_EQ(test::ReadFile(job.paths.CLFileName), "old\r\n");
}

TEST_F(GenerateToolPathTest, ABitmapScanWithoutItsPictureAndAreaIsRefused) {
  EXPECT_FALSE(GenerateToolPath(job, ToolPathOptions{ToolPathSource::BitmapScan}, false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"3D Bitmap Scan is not available in this version"});
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
}

}  // namespace
}  // namespace quill
