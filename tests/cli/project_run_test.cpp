// The unattended run takes its settings from the project and from DEFAULT.QLM in the current folder,
// and keeps the preferences file.
#include <gtest/gtest.h>

#include <set>

#include "records/cl_record.h"
#include "test_support.h"

namespace quill {
namespace {

using test::TempDir;

std::vector<std::string> Confined(const TempDir& outside) {
  return {"HOME=" + outside.path(), "XDG_CONFIG_HOME=" + outside.path() + "/config",
          "XDG_DATA_HOME=" + outside.path() + "/data", "QUILLMARK_HOME="};
}

class ProjectRun : public testing::Test {
 protected:
  test::RunResult Run(const std::string& project) {
    test::WriteFile(cwd.File("JOB.QLM"), project);
    return test::RunProgram({test::BinaryDir() + "/quill", "run", "JOB.QLM", "--home", home.path()}, cwd.path(),
                            Confined(outside));
  }
  // The depths the feed moves of the run's tool path reach, each once.
  std::set<double> CutDepths() {
    std::set<double> z;
    for (const auto& line : test::ReadLines(home.File("QUILLMAR.CL"))) {
      ClRecord rec;
      if (ParseClRecord(line, rec) && rec.code == ClFeed) z.insert(rec.Z);
    }
    return z;
  }
  TempDir cwd, home, outside;
};

const std::string kArtworkOnly =
    "$QUILLVER\r\n7.0100\r\n$ARTFILE\r\n1\r\n$ARTTAB\r\n1 0 0 1 0 0.0\r\n$ENDTAB\r\n$BEGINTEXT\r\n";

TEST_F(ProjectRun, ProjectValuesWinOverDefaultProjectValues) {
  test::WriteFile(cwd.File("DEFAULT.QLM"), "$QUILLVER\r\n7.0100\r\n$ZDEPTH\r\n-0.0300\r\n$ZPERPASS\r\n-0.0300\r\n");
  auto r = Run(kArtworkOnly);
  EXPECT_EQ(CutDepths(), std::set<double>{-0.03}) << r.err;

  r = Run("$QUILLVER\r\n7.0100\r\n$ZDEPTH\r\n-0.0100\r\n" + kArtworkOnly.substr(19));
  EXPECT_EQ(CutDepths(), std::set<double>{-0.01}) << r.err;
}

TEST_F(ProjectRun, AFileThatIsNotAProjectIsReported) {
  auto r = Run("QUILLVER\r\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Not a Valid QUILLMARK File"), std::string::npos) << r.err;
}

TEST_F(ProjectRun, PreferencesAreWrittenAtTheCloseButNotTheRecentList) {
  Run(kArtworkOnly);
  std::string ini = test::ReadFile(home.File("QUILLMAR.INI"));
  EXPECT_NE(ini.find("[DEFAULTS]\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nTAPEDIR=" + home.path() + "/\nDEFEXT=TAP\nAwcolor=clAqua\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nPROJTOL=0.02500\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("[MRU]"), std::string::npos) << ini;
}

}  // namespace
}  // namespace quill
