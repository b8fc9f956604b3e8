// Two programs on one home: while the desktop program holds it, every other program that would use it
// names the holder and stops with status 1, leaving the home as it was; once the holder is gone, even
// killed, the home is free.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "child_process.h"
#include "test_support.h"

namespace quill::test {
namespace {

std::string Exe(const char* name) { return BinaryDir() + "/" + name; }

class HomeInUse : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(SourceDir() + "/data/samples/SAMPLE.QLM", cwd.File("SAMPLE.QLM"));
    WriteFile(cwd.File("A.PLT"), "IN;SP1;PU0,0;PD1000,0;");
  }
  std::vector<std::string> Env() const {
    return {"XDG_CONFIG_HOME=" + cwd.File("config"), "QUILLMARK_HOME=", "QT_QPA_PLATFORM=offscreen",
            "ASAN_OPTIONS=detect_leaks=0"};
  }
  RunResult Run(std::vector<std::string> argv) const { return RunProgram(argv, cwd.path(), Env()); }

  TempDir cwd, home;
};

TEST_F(HomeInUse, EveryOtherProgramNamesTheHolderAndLeavesTheHomeAlone) {
  // Every start-up deletes the cutter-location file: once the holder has deleted this one, its start-up
  // is over, and a later one by another program would show.
  WriteFile(home.File("QUILLMAR.CL"), "5 0.0\r\n-999\r\n");
  ChildProcess desktop = ChildProcess::Start({Exe("quillpro2008"), "--home", home.path()}, cwd.path(), Env());
  const std::string pid = std::to_string(desktop.Pid());
  ASSERT_TRUE(WaitUntil([&] { return ReadFile(home.File("QUILLMAR.LCK")).rfind(pid + " ", 0) == 0; }, 60000))
      << "the desktop program never took its home";
  ASSERT_TRUE(WaitUntil([&] { return !FileExists(home.File("QUILLMAR.CL")); }, 60000));
  WriteFile(home.File("QUILLMAR.CL"), "5 0.0\r\n-999\r\n");
  const std::string holder = "is in use by process " + pid + " (quillpro2008 --home " + home.path() + ")";
  const std::vector<std::vector<std::string>> others = {
      {Exe("quill"), "run", "SAMPLE.QLM", "--home", home.path()},
      {Exe("quillpro2008"), "--home", home.path(), "SAMPLE.QLM", "-r"},
      {Exe("quill"), "import", "A.PLT", "--home", home.path()},
      {Exe("quill"), "post", home.File("QUILLMAR.CL"), "OUT.TAP", "--machine", "DMILL", "--home", home.path()},
      {Exe("quill"), "render", "SAMPLE.QLM", "-o", "OUT.png", "--home", home.path()},
  };
  for (const auto& argv : others) {
    RunResult r = Run(argv);
    EXPECT_EQ(r.exitCode, 1) << argv[1] << ": " << r.err;
    EXPECT_NE(r.err.find(holder), std::string::npos) << r.err;
  }
  EXPECT_TRUE(FileExists(home.File("QUILLMAR.CL")));
  EXPECT_FALSE(FileExists(home.File("QUILLART.TMP")));
  EXPECT_FALSE(FileExists(cwd.File("SAMPLE.TAP")));
  EXPECT_FALSE(FileExists(cwd.File("OUT.TAP")));

  desktop.Kill(SIGKILL);  // however the holder ends, its lock goes with it
  desktop.Wait();
  RunResult r = Run(others[0]);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(FileExists(cwd.File("SAMPLE.TAP")));
}

TEST_F(HomeInUse, RunsOnTheirOwnHomesNeverWait) {
  ChildProcess desktop = ChildProcess::Start({Exe("quillpro2008"), "--home", home.path()}, cwd.path(), Env());
  const std::string pid = std::to_string(desktop.Pid());
  ASSERT_TRUE(WaitUntil([&] { return ReadFile(home.File("QUILLMAR.LCK")).rfind(pid + " ", 0) == 0; }, 60000));
  TempDir other;
  RunResult r = Run({Exe("quill"), "run", "SAMPLE.QLM", "--home", other.path()});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

}  // namespace
}  // namespace quill::test
