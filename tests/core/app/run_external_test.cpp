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
