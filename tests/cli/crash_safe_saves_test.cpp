// A program killed in the middle of writing the artwork or the NC file leaves the old file whole: killed
// at the write that crosses a file-size limit, or by SIGKILL while its new file is half written.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "child_process.h"
#include "records/cl_record.h"
#include "test_support.h"

namespace quill::test {
namespace {

std::string Quill() { return BinaryDir() + "/quill"; }

// A plot of many short strokes: a few megabytes of artwork.
std::string LongPlot(int strokes) {
  std::string plot = "IN;SP1;";
  for (int i = 0; i < strokes; ++i) {
    plot += "PU" + std::to_string(i % 1000 * 10) + "," + std::to_string(i / 1000 * 10) + ";PD" +
            std::to_string(i % 1000 * 10 + 5) + "," + std::to_string(i / 1000 * 10 + 5) + ";";
  }
  return plot;
}

// A tool path of many feed moves: megabytes of NC code.
std::string LongToolPath(int moves) {
  std::string cl = "5 0.0\r\n" + FormatClRecord(0, 0, 0, 0.1, 0) + "\r\n";
  for (int i = 0; i < moves; ++i) cl += FormatClRecord(1, i % 100 * 0.01, i / 100 * 0.01, -0.01, 10) + "\r\n";
  return cl + "-999\r\n";
}

size_t SizeOf(const std::string& path) {
  std::error_code ec;
  auto n = std::filesystem::file_size(path, ec);
  return ec ? 0 : static_cast<size_t>(n);
}

class CrashSafeSaves : public testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir.File("SMALL.PLT"), "IN;SP1;PU0,0;PD1000,0;PD1000,1000;");
    RunResult r = Run({Quill(), "import", "SMALL.PLT", "--home", home.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    oldArt = ReadFile(art);
    ASSERT_FALSE(oldArt.empty());
    WriteFile(dir.File("BIG.PLT"), LongPlot(120000));
    WriteFile(dir.File("BIG.CL"), LongToolPath(150000));
    WriteFile(nc, "(THE PROGRAM OF YESTERDAY)\r\nG00 X0 Y0\r\nM30\r\n");
  }
  std::vector<std::string> Env() const { return {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + dir.File("config")}; }
  RunResult Run(const std::vector<std::string>& argv) const { return RunProgram(argv, dir.path(), Env()); }
  ChildProcess Start(const std::vector<std::string>& argv, ChildLimits limits = {}) const {
    return ChildProcess::Start(argv, dir.path(), Env(), limits);
  }
  // SIGKILL once the temporary file beside target has grown past some bytes; false when the program
  // ended before it could be caught half way.
  static bool KillHalfWay(ChildProcess& child, const std::string& target) {
    const std::string folder = std::filesystem::path(target).parent_path().string();
    const std::string prefix = std::filesystem::path(target).filename().string() + ".";
    bool caught = WaitUntil(
        [&] {
          auto temps = FilesStartingWith(folder, prefix);
          return !child.Running() || (!temps.empty() && SizeOf(temps.front()) > 256 * 1024);
        },
        120000);
    caught = caught && child.Running();
    child.Kill(SIGKILL);
    child.Wait();
    return caught;
  }

  TempDir dir, home;
  std::string art = home.File("QUILLART.TMP");
  std::string nc = dir.File("JOB.TAP");
  std::string oldArt;
};

TEST_F(CrashSafeSaves, AnImportKilledWhileWritingTheArtworkLeavesTheOldArtwork) {
  ChildProcess limited = Start({Quill(), "import", "BIG.PLT", "--home", home.path()}, {1 << 20, false});
  EXPECT_EQ(limited.Wait().signal, SIGXFSZ);
  EXPECT_EQ(ReadFile(art), oldArt);

  ChildProcess killed = Start({Quill(), "import", "BIG.PLT", "--home", home.path()});
  ASSERT_TRUE(KillHalfWay(killed, art)) << "the import ended before it could be killed half way";
  EXPECT_EQ(ReadFile(art), oldArt);

  RunResult whole = Run({Quill(), "import", "BIG.PLT", "--home", home.path()});
  ASSERT_EQ(whole.exitCode, 0) << whole.err;
  EXPECT_EQ(whole.out, "120000\n");  // the new artwork, whole
}

TEST_F(CrashSafeSaves, APostProcessorKilledWhileWritingTheNcFileLeavesTheOldProgram) {
  const std::string old = ReadFile(nc);
  const std::vector<std::string> post = {Quill(), "post", "BIG.CL", "JOB.TAP", "--machine", "DMILL", "--home",
                                         home.path()};
  ChildProcess limited = Start(post, {1 << 20, false});
  EXPECT_EQ(limited.Wait().signal, SIGXFSZ);
  EXPECT_EQ(ReadFile(nc), old);

  ChildProcess killed = Start(post);
  ASSERT_TRUE(KillHalfWay(killed, nc)) << "the post-processor ended before it could be killed half way";
  EXPECT_EQ(ReadFile(nc), old);

  RunResult whole = Run(post);
  ASSERT_EQ(whole.exitCode, 0) << whole.err;
  std::vector<std::string> lines = ReadLines(nc);
  EXPECT_GT(lines.size(), 150000u);
  EXPECT_EQ(lines.back(), "M30");
}

}  // namespace
}  // namespace quill::test
