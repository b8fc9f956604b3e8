// quill format and quill post, run as the operator would.
#include <gtest/gtest.h>

#include "test_support.h"

namespace quill::test {
namespace {

std::string Quill() {
  return BinaryDir() + "/quill";
}
std::string Golden(const std::string& name) {
  return SourceDir() + "/tests/core/nc/golden/" + name;
}

// The home and the configuration folder both inside the test's folder.
struct Places {
  TempDir dir;
  std::vector<std::string> Env() const { return {"XDG_CONFIG_HOME=" + dir.File("config"), "QUILLMARK_HOME="}; }
  RunResult Post(const std::vector<std::string>& words) const {
    std::vector<std::string> argv{Quill(), "post", "--home", dir.File("home")};
    argv.insert(argv.end(), words.begin(), words.end());
    return RunProgram(argv, dir.path(), Env());
  }
};

TEST(FormatCommand, PrintsTheWord) {
  RunResult r = RunProgram({Quill(), "format", "2", "3", "4", "1.25"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "00125\n");
  EXPECT_EQ(RunProgram({Quill(), "format", "1", "3", "4", "-0.00001"}).out, "-0\n");
  EXPECT_EQ(RunProgram({Quill(), "format", "1", "3", "x", "1"}).exitCode, 2);
  EXPECT_EQ(RunProgram({Quill(), "format", "1", "3", "4", "1,5"}).exitCode, 2);
  EXPECT_EQ(RunProgram({Quill(), "format", "1", "3"}).exitCode, 2);
}

TEST(PostCommand, EveryBundledMachineWritesItsGoldenProgram) {
  Places p;
  for (const char* machine :
       {"DMILL", "LATHE", "ROTARY MILL", "DXF FILE", "PRINT LISTING", "BENDIX MILL", "EZ-TRACK"}) {
    RunResult r = p.Post({Golden("JOB.CL"), "OUT.NC", "--machine", machine});
    ASSERT_EQ(r.exitCode, 0) << machine << ": " << r.err;
    std::string golden = std::string(machine);
    for (char& c : golden) c = c == ' ' ? '_' : c;
    EXPECT_EQ(ReadFile(p.dir.File("OUT.NC")), ReadFile(Golden(golden + ".nc"))) << machine;
  }
  // Reading machines never writes the user's machine file.
  EXPECT_FALSE(FileExists(p.dir.File("config/quillmark/QPOSTS.INI")));
}

TEST(PostCommand, MacrosCanBeChosen) {
  Places p;
  RunResult r =
      p.Post({Golden("JOB.CL"), "OUT.NC", "--machine", "dmill", "--startup", "Tool Change", "--shutdown", "X"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> nc = ReadLines(p.dir.File("OUT.NC"));
  EXPECT_EQ(std::vector<std::string>(nc.begin(), nc.begin() + 5),
            (std::vector<std::string>{"G00 Z0.5", "M05", "T0M06", "S0M03", "G90"}));
  EXPECT_EQ(nc.back(), "G00X0Y0Z.5");
}

TEST(PostCommand, ReportedErrors) {
  Places p;
  RunResult r = p.Post({Golden("JOB.CL"), "OUT.NC", "--machine", "NO SUCH MACHINE"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("machine \"NO SUCH MACHINE\" is not set up"), std::string::npos) << r.err;
  r = p.Post({p.dir.File("NONE.CL"), "OUT.NC", "--machine", "DMILL"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("C/L File access error #2 [" + p.dir.File("NONE.CL") + "]"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(p.dir.File("OUT.NC")));
  EXPECT_EQ(p.Post({Golden("JOB.CL"), "OUT.NC"}).exitCode, 2);
  EXPECT_EQ(p.Post({Golden("JOB.CL"), "--machine", "DMILL"}).exitCode, 2);
}

TEST(PostCommand, LeavesTheHomesToolPathAlone) {
  Places p;
  ASSERT_EQ(p.Post({Golden("JOB.CL"), "OUT.NC", "--machine", "DMILL"}).exitCode, 0);
  WriteFile(p.dir.File("home/QUILLMAR.CL"), ReadFile(Golden("JOB.CL")));
  RunResult r = p.Post({p.dir.File("home/QUILLMAR.CL"), "OUT2.NC", "--machine", "DMILL"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadFile(p.dir.File("OUT2.NC")), ReadFile(Golden("DMILL.nc")));
}

}  // namespace
}  // namespace quill::test
