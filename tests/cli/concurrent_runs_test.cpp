// Runs with homes of their own never touch each other: eight unattended runs at once write the same NC
// files and tool paths as the same eight runs one after the other.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "test_support.h"

namespace quill::test {
namespace {

struct RunSpec {
  std::string sample;
  std::string machine;
};

const RunSpec kRuns[] = {{"SAMPLE", "DMILL"},       {"ARC", "GRBL 1.1"},     {"CURVE", "MACH3 MILL"},
                         {"TRUETYPE", "DMILL"},     {"SAMPLE", "BENDIX MILL"}, {"ARC", "EZ-TRACK"},
                         {"CURVE", "LINUXCNC INCH"}, {"TAGS", "DMILL"}};

// One run in folders of its own; what it leaves behind.
struct Outcome {
  int exitCode = -1;
  std::string err, nc, toolPath;
};

Outcome RunOne(const RunSpec& job) {
  TempDir cwd, home;
  std::filesystem::copy_file(SourceDir() + "/data/samples/" + job.sample + ".QLM", cwd.File("JOB.QLM"));
  std::vector<std::string> argv = {BinaryDir() + "/quill", "run", "JOB.QLM", "--machine", job.machine, "--home",
                                   home.path()};
  if (job.sample == "TAGS") argv.insert(argv.end(), {"--data", SourceDir() + "/data/samples/TAGS.CSV"});
  RunResult r = RunProgram(argv, cwd.path(), {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + cwd.File("config")});
  return {r.exitCode, r.err, ReadFile(cwd.File("JOB.TAP")), ReadFile(home.File("QUILLMAR.CL"))};
}

TEST(ConcurrentRuns, EightRunsAtOnceWriteWhatTheyWriteOneAfterTheOther) {
  constexpr size_t n = std::size(kRuns);
  std::vector<Outcome> serial;
  for (const RunSpec& job : kRuns) serial.push_back(RunOne(job));

  std::vector<Outcome> together(n);
  std::vector<std::thread> threads;
  for (size_t i = 0; i < n; ++i) threads.emplace_back([&, i] { together[i] = RunOne(kRuns[i]); });
  for (auto& t : threads) t.join();

  for (size_t i = 0; i < n; ++i) {
    SCOPED_TRACE(kRuns[i].sample + " on " + kRuns[i].machine);
    ASSERT_EQ(serial[i].exitCode, 0) << serial[i].err;
    EXPECT_EQ(together[i].exitCode, 0) << together[i].err;
    EXPECT_GT(serial[i].nc.size(), 100u);
    EXPECT_EQ(together[i].nc, serial[i].nc);
    EXPECT_EQ(together[i].toolPath, serial[i].toolPath);
  }
}

}  // namespace
}  // namespace quill::test
