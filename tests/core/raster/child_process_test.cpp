// Outside programs run to their end: output read line by line (a carriage return ends a line too),
// progress percentages, the end of a long output kept for messages, and programs that cannot start.
#include "raster/child_process.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

TEST(ChildProcess, LinesProgressAndStatus) {
  TestUi ui;
  std::vector<std::string> lines;
  ChildRun run;
  run.argv = {"/bin/sh", "-c", "printf 'Progress: 12.5%%\\rProgress: 60%%\\rdone\\n'; echo oops >&2; exit 4"};
  run.onLine = [&lines](const std::string& l) {
    lines.push_back(l);
    return true;
  };
  ChildResult r = RunChild(ui, run);
  EXPECT_EQ(r.status, ChildResult::Finished);
  EXPECT_EQ(r.exitCode, 4);
  EXPECT_FALSE(r.Succeeded());
  EXPECT_EQ(lines, (std::vector<std::string>{"Progress: 12.5%", "Progress: 60%", "done", "oops"}));
  EXPECT_EQ(ProgressPercent(lines[0]), 12);
  EXPECT_EQ(ProgressPercent(lines[1]), 60);
  EXPECT_EQ(ProgressPercent("Progress: 250%"), 100);
  EXPECT_EQ(ProgressPercent("done"), -1);
  EXPECT_EQ(TailLines(r.output, 2), "done\noops");
  EXPECT_GT(ui.pumps, 0);
}

TEST(ChildProcess, RunsInItsFolderAndStopsWhenTheLineHandlerSaysSo) {
  TestUi ui;
  test::TempDir dir;
  ChildRun run;
  run.argv = {"/bin/sh", "-c", "pwd; echo stop; sleep 30"};
  run.folder = dir.path();
  std::string first;
  run.onLine = [&first](const std::string& l) {
    if (first.empty()) first = l;
    return l != "stop";
  };
  ChildResult r = RunChild(ui, run);
  EXPECT_EQ(r.status, ChildResult::Cancelled);
  EXPECT_EQ(first, dir.path());
}

TEST(ChildProcess, AProgramThatCannotStart) {
  TestUi ui;
  ChildResult missing = RunChild(ui, {{"/no/such/program"}, "", 0, {}});
  EXPECT_EQ(missing.status, ChildResult::NotStarted);
  EXPECT_NE(missing.error, 0);
  EXPECT_EQ(RunChild(ui, {{"no-such-program-on-the-path"}, "", 0, {}}).status, ChildResult::NotStarted);
  EXPECT_EQ(RunChild(ui, {{}, "", 0, {}}).status, ChildResult::NotStarted);
}

TEST(ChildProcess, LongOutputKeepsItsEnd) {
  TestUi ui;
  ChildResult r = RunChild(ui, {{"/bin/sh", "-c", "seq 1 20000"}, "", 0, {}});
  EXPECT_TRUE(r.Succeeded());
  EXPECT_LT(r.output.size(), 20000u);
  EXPECT_EQ(TailLines(r.output, 1), "20000");
}

}  // namespace
}  // namespace quill
