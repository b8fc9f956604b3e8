// The unattended run's NC step: the project's machine or the default one, into the project's TAP file.
#include <gtest/gtest.h>

#include "test_support.h"

namespace quill::test {
namespace {

struct Unattended {
  TempDir cwd, home, outside;
  std::vector<std::string> Env() const {
    return {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + outside.File("config"), "HOME=" + outside.path()};
  }
  RunResult Program(const std::vector<std::string>& args) const {
    std::vector<std::string> argv{BinaryDir() + "/quillpro2008", "--home", home.path()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, cwd.path(), Env());
  }
};

// The sample project, naming a machine when one is given.
std::string Sample(const std::string& machine = "") {
  std::string qlm = ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM");
  if (!machine.empty()) qlm.insert(qlm.find("$BEGINTEXT"), "$CMACHINE\r\n" + machine + "\r\n");
  return qlm;
}

TEST(NcRun, SampleWithTheDefaultMachine) {
  Unattended run;
  WriteFile(run.cwd.File("sample.QLM"), Sample());
  RunResult r = run.Program({"-r", "sample.QLM"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> nc = ReadLines(run.cwd.File("sample.TAP"));
  ASSERT_GT(nc.size(), 20u);
  EXPECT_EQ(nc[0], "(QUILLMARK PRO-2008 ENGRAVING)");
  EXPECT_EQ(nc[5], "G90");
  EXPECT_EQ(nc.back(), "M30");
  EXPECT_NE(ReadFile(run.home.File("QUILLMAR.INI")).find("DEFMCH=DMILL"), std::string::npos);
}

TEST(NcRun, TheProjectsMachineAndTheToolboxOverride) {
  Unattended run;
  WriteFile(run.cwd.File("JOB.QLM"), Sample("lathe"));
  RunResult r = run.Program({"JOB.QLM", "-R"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> nc = ReadLines(run.cwd.File("JOB.TAP"));
  ASSERT_GT(nc.size(), 5u);
  EXPECT_EQ(nc[0], "%");
  EXPECT_EQ(nc[2], "N10G20 G18 G40 G80");
  r = RunProgram({BinaryDir() + "/quill", "run", "JOB.QLM", "--home", run.home.path(), "--machine", "PRINT LISTING",
                  "--nc", "JOB.LST"},
                 run.cwd.path(), run.Env());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadLines(run.cwd.File("JOB.LST")).front(), "QUILLMARK PRO-2008 TOOL PATH LISTING (INCH)");
}

TEST(NcRun, WithoutAProjectThereIsNoFileName) {
  Unattended run;
  RunResult r = run.Program({"-r"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("NC File creation error []"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace quill::test
