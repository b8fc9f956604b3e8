// The unattended run leaves the tool path of the project in QUILLMAR.CL.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/cl_record.h"
#include "test_support.h"

namespace quill {
namespace {

using test::TempDir;

// Folders the program could reach outside its home all point into one of the test's own.
std::vector<std::string> Surroundings(const TempDir& outside) {
  std::vector<std::string> env{"QUILLMARK_HOME="};
  for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
    env.push_back(std::string(name) + "=" + outside.File(name));
  }
  return env;
}

// A sample project with its depth and feeds replaced, and with artwork when some is given.
std::string Project(const std::string& sample, const std::string& artwork = "") {
  std::string qlm = test::ReadFile(test::SourceDir() + "/data/samples/" + sample);
  auto put = [&](const std::string& key, const std::string& value) {
    size_t at = qlm.find("$" + key + "\r\n");
    EXPECT_NE(at, std::string::npos) << key;
    size_t from = at + key.size() + 3, to = qlm.find("\r\n", from);
    qlm.replace(from, to - from, value);
  };
  put("ZDEPTH", "-0.0200");
  put("ZCLEAR", "0.2");
  put("CFEED", "8.0");
  put("ZFEED", "3.0");
  if (!artwork.empty()) put("ARTFILE", "1\r\n$ARTTAB\r\n" + artwork + "$ENDTAB");
  return qlm;
}

std::vector<ClRecord> RunAndRead(const std::string& qlm, std::string& err) {
  TempDir cwd, home, outside;
  test::WriteFile(cwd.File("JOB.QLM"), qlm);
  auto r = test::RunProgram({test::BinaryDir() + "/quill", "run", "JOB.QLM", "--home", home.path()}, cwd.path(),
                            Surroundings(outside));
  err = r.err;
  std::vector<std::string> lines = test::ReadLines(home.File("QUILLMAR.CL"));
  std::vector<ClRecord> recs;
  for (const auto& line : lines) {
    ClRecord rec;
    EXPECT_TRUE(ParseClRecord(line, rec)) << line;
    recs.push_back(rec);
  }
  EXPECT_FALSE(lines.empty()) << err;
  if (!lines.empty()) {
    EXPECT_EQ(lines.back(), "-999");
  }
  return recs;
}

TEST(ToolPathRun, ProjectArtworkIsCutAtTheProjectsDepthAndFeeds) {
  std::string err;
  auto recs = RunAndRead(Project("SAMPLE.QLM", "1 0 0 2 0 0.0\r\n1 2 0 2 1 0.0\r\n3 2 2 1 4.7123889804 0\r\n"), err);
  ASSERT_GE(recs.size(), 8u) << err;
  EXPECT_EQ(recs[0].code, ClRotaryRadius);
  // Artwork comes before any text: rapid over the start, plunge, three joined cuts, retract.
  EXPECT_EQ(recs[1].code, ClRapid);
  EXPECT_DOUBLE_EQ(recs[1].Z, 0.2);
  EXPECT_EQ(recs[2].code, ClFeed);
  EXPECT_DOUBLE_EQ(recs[2].F, 3.0);
  for (int i = 3; i <= 5; ++i) {
    EXPECT_DOUBLE_EQ(recs[i].Z, -0.02);
    EXPECT_DOUBLE_EQ(recs[i].F, 8.0);
  }
  EXPECT_EQ(recs[5].code, ClArcCcw);
  EXPECT_EQ(recs[6].code, ClRapid);
  EXPECT_DOUBLE_EQ(recs[6].Z, 0.2);
  // Every move keeps to the clearance plane or the cutting depth.
  for (const auto& r : recs) {
    if (r.code >= ClRapid && r.code <= ClArcCcw) {
      EXPECT_TRUE(r.Z == 0.2 || r.Z == -0.02) << r.code;
    }
  }
}

// Rapids at the clearance plane; plunges straight down from them at the plunge feed; cuts at the
// cutting depth and the cut feed.
void ExpectEngraving(const std::vector<ClRecord>& recs, const std::string& sample) {
  const ClRecord* last = nullptr;
  long cuts = 0;
  for (const auto& r : recs) {
    if (r.code == ClRapid) {
      EXPECT_TRUE(r.Z == 0.2 && r.F == 0) << sample;
    }
    if (r.code == ClFeed && r.F == 3.0) {
      ASSERT_TRUE(last && last->code == ClRapid) << sample;
      EXPECT_TRUE(r.X == last->X && r.Y == last->Y && r.Z == -0.02) << sample;
    } else if (r.code >= ClFeed && r.code <= ClArcCcw) {
      EXPECT_TRUE(r.Z == -0.02 && r.F == 8.0) << sample;
      ++cuts;
    }
    last = &r;
  }
  EXPECT_GT(cuts, 20) << sample;
}

TEST(ToolPathRun, EverySampleProjectIsEngravedAsItsSettingsSay) {
  for (const char* sample : {"SAMPLE.QLM", "ARC.QLM", "CURVE.QLM", "TRUETYPE.QLM"}) {
    std::string err;
    auto recs = RunAndRead(Project(sample), err);
    ASSERT_FALSE(recs.empty()) << sample << ": " << err;
    EXPECT_EQ(recs[0].code, ClRotaryRadius) << sample;
    ExpectEngraving(recs, sample);
  }
}

}  // namespace
}  // namespace quill
