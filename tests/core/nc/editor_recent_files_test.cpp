#include "nc/editor_recent_files.h"

#include <gtest/gtest.h>

#include "job/paths.h"
#include "test_support.h"

namespace quill {
namespace {

TEST(EditorRecentFiles, KeptBetweenRunsInTheHome) {
  test::TempDir home;
  JobPaths paths;
  paths.ExeDir = home.path() + "/";
  EXPECT_EQ(ReadEditorRecentFiles(paths), RecentList{});
  RecentList list;
  AddRecentProject(list, "/shop/A.TAP");
  AddRecentProject(list, "/shop/B file.TAP");
  ASSERT_TRUE(WriteEditorRecentFiles(paths, list));
  EXPECT_EQ(ReadEditorRecentFiles(paths), list);
  EXPECT_TRUE(test::FileExists(home.File(EditorRecentFile)));
}

}  // namespace
}  // namespace quill
