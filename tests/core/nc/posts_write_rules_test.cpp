#include "nc/posts_write_rules.h"

#include <gtest/gtest.h>

#include "job/job.h"
#include "project/profile.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

TEST(PostsWriteRules, TheFirstWriteCopiesTheBundledFileAndAFailureIsSaid) {
  test::TempDir dir;
  TestUi ui;
  Job job(ui);
  job.paths.BundledPostsIni = dir.File("bundled.ini");
  job.paths.PostsIniFile = dir.File("user/QPOSTS.INI");
  test::WriteFile(job.paths.BundledPostsIni, "[Machine Names]\nNUMBER=1\nMachine1=DMILL\n");
  EXPECT_TRUE(WritePostsFile(job, [](ProfileFile& f) { return f.WriteString("DMILL", "MTYPE", "1"); }));
  ProfileFile user(job.paths.PostsIniFile);
  EXPECT_EQ(user.ReadString("Machine Names", "Machine1", ""), "DMILL");
  EXPECT_EQ(user.ReadInt("DMILL", "MTYPE", 0), 1);
  EXPECT_TRUE(ui.messages.empty());

  EXPECT_FALSE(WritePostsFile(job, [](ProfileFile&) { return false; }));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot write the machine file [" + job.paths.PostsIniFile + "]"});
}

}  // namespace
}  // namespace quill
