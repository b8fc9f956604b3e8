#include "app/run_external.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

TEST(RunExternal, StartsAProgramInItsFolder) {
  TestUi ui;
  test::TempDir dir;
  int r = RunExternal(ui, "/bin/sh", {"-c", "echo started > marker"}, dir.path());
  EXPECT_GT(r, 32);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.pumps, 1);
  for (int i = 0; i < 200 && !test::FileExists(dir.File("marker")); ++i) usleep(10000);
  EXPECT_TRUE(test::FileExists(dir.File("marker")));
}

// A started program that ends is collected, not left behind as a zombie while the program runs on.
TEST(RunExternal, AFinishedProgramIsCollected) {
  TestUi ui;
  test::TempDir dir;
  ASSERT_GT(RunExternal(ui, "/bin/sh", {"-c", "echo $$ > pid"}, dir.path()), 32);
  std::string pid;
  for (int i = 0; i < 500 && (pid = test::ReadFile(dir.File("pid"))).find('\n') == std::string::npos; ++i) {
    usleep(10000);
  }
  ASSERT_FALSE(pid.empty());
  std::string proc = "/proc/" + pid.substr(0, pid.find('\n'));
  for (int i = 0; i < 500 && test::FileExists(proc); ++i) usleep(10000);
  EXPECT_FALSE(test::FileExists(proc)) << "still in the process table";
}

TEST(RunExternal, FailureIsASmallNumberWithTheMessage) {
  TestUi ui;
  int r = RunExternal(ui, "/no/such/NCVERIFY", {}, "");
  EXPECT_LE(r, 32);
  EXPECT_EQ(r, 2);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Cannot Execute (2) [/no/such/NCVERIFY]");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);

  ui.messages.clear();
  EXPECT_EQ(RunExternal(ui, "/bin/true", {}, "/no/such/folder"), 3);
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace quill
