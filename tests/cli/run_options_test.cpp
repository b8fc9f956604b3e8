// `quill run` with the tool path dialog's choices: the source, carving, projection and the relief scan,
// and the options it refuses as bad usage.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "pixels/bmp.h"
#include "records/cl_record.h"
#include "rs274.h"
#include "test_support.h"

namespace quill::test {
namespace {

// The TrueType sample with some keys' values replaced (the text last, as "TEXT").
std::string Project(const std::map<std::string, std::string>& keys) {
  std::string qlm = ReadFile(SourceDir() + "/data/samples/TRUETYPE.QLM");
  for (const auto& [key, value] : keys) {
    if (key == "TEXT") {
      qlm = qlm.substr(0, qlm.find("$BEGINTEXT\r\n") + 12) + value + "\r\n";
      continue;
    }
    size_t at = qlm.find("$" + key + "\r\n");
    EXPECT_NE(at, std::string::npos) << key;
    size_t from = at + key.size() + 3;
    qlm.replace(from, qlm.find("\r\n", from) - from, value);
  }
  return qlm;
}

// Carving-ready: the letters as lines, a tool wider than their strokes.
std::map<std::string, std::string> Carvable() {
  return {{"OUTARCS", "0"}, {"TOOLDIA", "0.25"}, {"TEXT", "IO"}};
}

class RunOptions : public ::testing::Test {
 protected:
  RunResult Run(const std::string& qlm, std::vector<std::string> options, const std::string& program = "quill") {
    WriteFile(cwd.File("JOB.QLM"), qlm);
    std::vector<std::string> argv{BinaryDir() + "/" + program};
    if (program == "quill") argv.push_back("run");
    argv.insert(argv.end(), {"JOB.QLM", "--home", home.path()});
    argv.insert(argv.end(), options.begin(), options.end());
    if (program != "quill") argv.push_back("-r");
    return RunProgram(argv, cwd.path(),
                      {"QUILLMARK_HOME=", "HOME=" + outside.path(), "XDG_CONFIG_HOME=" + outside.File("config"),
                       "XDG_DATA_HOME=" + outside.File("data")});
  }
  std::vector<ClRecord> Cl() {
    std::vector<ClRecord> out;
    ClReader in(home.File("QUILLMAR.CL"));
    for (ClRecord r; in.Next(r);) out.push_back(r);
    return out;
  }
  std::vector<ClRecord> Feeds() {
    std::vector<ClRecord> out;
    for (const ClRecord& r : Cl()) {
      if (r.code == ClFeed) out.push_back(r);
    }
    return out;
  }
  TempDir cwd, home, outside;
};

TEST_F(RunOptions, OptionsItDoesNotKnowOrCannotUseAreBadUsage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"},
      {"--source", "pictures"},
      {"--source"},
      {"--scan-area", "0", "0", "1", "1", "0.1"},
      {"--source", "bitmap-scan", "--scan-area", "0", "0", "one", "1", "0.1", "0.1"},
      {"--invert"},
      {"--scan-picture", "P.BMP", "--source", "text"},
  };
  for (const auto& options : bad) {
    RunResult r = Run(Project({}), options);
    EXPECT_EQ(r.exitCode, 2) << ::testing::PrintToString(options);
    EXPECT_NE(r.err.find("usage: quill run PROJECT.QLM"), std::string::npos) << r.err;
    EXPECT_FALSE(FileExists(home.File("QUILLMAR.CL")));
  }
}

TEST_F(RunOptions, TheSourceChoosesWhatIsCut) {
  // Artwork far below the text.
  std::string qlm = Project({{"ARTFILE", "1\r\n$ARTTAB\r\n1 0 -5 1 -5 0.0\r\n$ENDTAB"}});
  auto belowAndAbove = [&] {
    int below = 0, above = 0;
    for (const ClRecord& r : Feeds()) (r.Y < -4 ? below : above) += 1;
    return std::pair{below, above};
  };
  ASSERT_EQ(Run(qlm, {}).exitCode, 0);
  auto both = belowAndAbove();  // the dialog's default with both: artwork, then text
  EXPECT_GT(both.first, 0);
  EXPECT_GT(both.second, 0);
  EXPECT_LT(Feeds().front().Y, -4);
  ASSERT_EQ(Run(qlm, {"--source", "artwork"}).exitCode, 0);
  EXPECT_EQ(belowAndAbove().second, 0);
  ASSERT_EQ(Run(qlm, {"--source", "text"}).exitCode, 0);
  EXPECT_EQ(belowAndAbove().first, 0);
  ASSERT_EQ(Run(qlm, {"--source", "text-artwork"}).exitCode, 0);
  EXPECT_GT(Feeds().front().Y, -4);
  EXPECT_LT(Feeds().back().Y, -4);
}

TEST_F(RunOptions, ProjectionFollowsTheProjectsSurfaceOnlyWhenAsked) {
  // A sphere of radius 10 whose top is at 0.5: every cut lies on it.
  std::string qlm = Project({{"PSSURFTYPE", "1"}, {"PSEDIT1", "3"}, {"PSEDIT2", "0"}, {"PSEDIT3", "-9.5"},
                             {"PSEDIT4", "10"}, {"ZCLEAR", "1.0"}});
  RunResult r = Run(qlm, {"--project-surface"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<ClRecord> feeds = Feeds();
  ASSERT_GT(feeds.size(), 100u);
  for (const ClRecord& f : feeds) EXPECT_NEAR(f.Z, -9.5 + std::sqrt(100 - (f.X - 3) * (f.X - 3) - f.Y * f.Y), 1e-9);
  // The unattended run keeps "Constant -Z-": the project's surface keys alone change nothing.
  for (const char* program : {"quill", "quillpro2008"}) {
    ASSERT_EQ(Run(qlm, {}, program).exitCode, 0);
    for (const ClRecord& f : Feeds()) EXPECT_DOUBLE_EQ(f.Z, -0.01) << program;
  }
}

TEST_F(RunOptions, ABitmapScanLoadsItsPictureKeepsItAndRefusesAreasThatCannotEnd) {
  Picture ramp(10, 10, PixelFormat::Grey8);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) ramp.SetGrey(x, y, static_cast<uint8_t>(x * 28));
  }
  ASSERT_TRUE(WriteBmp(cwd.File("RAMP.BMP"), ramp));
  std::vector<std::string> scan{"--source", "bitmap-scan", "--scan-area", "1", "2", "1", "0.5", "0.1", "0.1"};
  std::vector<std::string> withPicture = scan;
  withPicture.insert(withPicture.end(), {"--scan-picture", "RAMP.BMP", "--unidirectional"});
  RunResult r = Run(Project({}), withPicture);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(FileExists(home.File("3DSCAN.BMP")));
  int rapids = 0;
  for (const ClRecord& c : Cl()) {
    rapids += c.code == ClRapid;
    if (c.code == ClFeed) {
      EXPECT_NE(c.F, 0);  // never "F0"
      EXPECT_GE(c.X, 1 - 1e-12);
      EXPECT_LE(c.Y, 2.5 + 1e-12);
      EXPECT_LE(c.Z, 0);
      EXPECT_GE(c.Z, -0.01);
    }
  }
  EXPECT_EQ(rapids, 2 * 6);  // every row starts and ends at the clearance plane

  // The picture kept in the home serves the next run; an area that cannot end is refused.
  ASSERT_EQ(Run(Project({}), scan).exitCode, 0);
  std::vector<std::string> endless{"--source", "bitmap-scan", "--scan-area", "0", "0", "1", "1", "0", "0.1"};
  r = Run(Project({}), endless);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("3D Bitmap Scan Stepovers Must be Greater Than Zero"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(home.File("QUILLMAR.CL")));
}

TEST_F(RunOptions, CarvingRefusesArcsBeforeWritingAndCarvesLines) {
  std::map<std::string, std::string> keys = Carvable();
  keys["OUTARCS"] = "1";
  RunResult r = Run(Project(keys), {"--carve"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Arc found, Cannot \"Carve\" Text, Change \"Curves\" setting"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(home.File("QUILLMAR.CL")));

  r = Run(Project(Carvable()), {"--carve"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  double deepest = 0;
  for (const ClRecord& f : Feeds()) deepest = std::min(deepest, f.Z);
  EXPECT_LT(deepest, -0.05);  // as deep as the strokes are wide, not the project's -0.01
}

class CarvedNc : public Interpreter {};

TEST_F(CarvedNc, CarvedTextReadsBackInLinuxCncsInterpreter) {
  TempDir home, outside;
  WriteFile(dir.File("JOB.QLM"), Project(Carvable()));
  RunResult r = RunProgram({BinaryDir() + "/quill", "run", "JOB.QLM", "--home", home.path(), "--carve", "--nc",
                            "JOB.ngc", "--machine", "DMILL"},
                           dir.path(), {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + outside.path()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ExpectAcceptedAndFollowing(dir.File("JOB.ngc"), home.File("QUILLMAR.CL"));
}

}  // namespace
}  // namespace quill::test
