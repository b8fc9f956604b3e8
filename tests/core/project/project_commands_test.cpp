#include "project/project_commands.h"

#include <gtest/gtest.h>

#include "project/recent_projects.h"
#include "project_fixture.h"

namespace quill {
namespace {

using test::ReadFile;

class ProjectCommands : public ProjectFixture {};

TEST_F(ProjectCommands, DefaultProjectSuppliesValuesAndClearsResults) {
  job.flags.ArtworkPresent = job.flags.TextPathGenerated = job.flags.ToolPathCreated = true;
  EXPECT_FALSE(ReadDefaultProject(job, home.File("DEFAULT.QLM")));
  EXPECT_FALSE(job.flags.ArtworkPresent || job.flags.TextPathGenerated || job.flags.ToolPathCreated);
  EXPECT_TRUE(ui.messages.empty());

  std::string path = Project("$QUILLVER\r\n7.0100\r\n$ZDEPTH\r\n-0.0200\r\n", "DEFAULT.QLM");
  EXPECT_TRUE(ReadDefaultProject(job, path));
  EXPECT_EQ(job.settings.ZDEPTH, "-0.0200");
}

TEST_F(ProjectCommands, SaveNeedsANameAndClearsModifiedOnlyWhenWritten) {
  job.flags.ProjectModified = true;
  EXPECT_FALSE(SaveProject(job));  // no name yet: the window offers Save As
  EXPECT_TRUE(ui.messages.empty());

  EXPECT_FALSE(SaveProjectAs(job, home.File("MISSING/JOB.QLM")));
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_EQ(job.prefs.RecentProjects[0], "");

  std::string path = home.File("JOB.QLM");
  EXPECT_TRUE(SaveProjectAs(job, path));
  EXPECT_FALSE(job.flags.ProjectModified);
  EXPECT_EQ(job.paths.ProjectFile, path);
  EXPECT_EQ(job.prefs.RecentProjects[0], path);
  EXPECT_EQ(ReadFile(path).substr(0, 11), "$QUILLVER\r\n");
}

TEST_F(ProjectCommands, ConfirmDiscardAsksOnlyWhenModified) {
  int saves = 0;
  bool saveWorks = true;
  auto save = [&] {
    ++saves;
    return saveWorks;
  };
  EXPECT_TRUE(ConfirmDiscard(job, save));
  EXPECT_TRUE(ui.messages.empty());

  job.flags.ProjectModified = true;
  ui.answers = {Answer::No, Answer::Cancel, Answer::Yes, Answer::Yes};
  EXPECT_TRUE(ConfirmDiscard(job, save));
  EXPECT_FALSE(ConfirmDiscard(job, save));
  EXPECT_EQ(saves, 0);
  EXPECT_TRUE(ConfirmDiscard(job, save));
  saveWorks = false;  // a failed or cancelled save must not let the job be thrown away
  EXPECT_FALSE(ConfirmDiscard(job, save));
  EXPECT_EQ(saves, 2);
  const Message& m = ui.messages.back();
  EXPECT_EQ(m.text, "File Has Been Modified, Save ?");
  EXPECT_EQ(m.kind, MsgKind::Confirmation);
  EXPECT_EQ(m.buttons, static_cast<unsigned>(BtnYesNoCancel));
}

TEST(RecentProjects, NewestFirstWithoutDuplicatesAlwaysFour) {
  RecentList list{"a", "b", "", ""};
  AddRecentProject(list, "c");
  EXPECT_EQ(list, (RecentList{"c", "a", "b", ""}));
  AddRecentProject(list, "b");
  EXPECT_EQ(list, (RecentList{"b", "c", "a", ""}));
  AddRecentProject(list, "b");
  EXPECT_EQ(list, (RecentList{"b", "c", "a", ""}));
  AddRecentProject(list, "d");
  AddRecentProject(list, "e");
  EXPECT_EQ(list, (RecentList{"e", "d", "b", "c"}));
  AddRecentProject(list, "c");  // the oldest entry comes back to the top
  EXPECT_EQ(list, (RecentList{"c", "e", "d", "b"}));
  AddRecentProject(list, "C");  // names are compared exactly
  EXPECT_EQ(list, (RecentList{"C", "c", "e", "d"}));
}

TEST(RecentProjects, MenuShowsOnlyNamedEntries) {
  RecentMenu menu = RecentMenuOf({"/w/a.QLM", "", "/w/c.QLM", ""});
  EXPECT_EQ(menu.items[0].caption, "&1 /w/a.QLM");
  EXPECT_EQ(menu.items[2].caption, "&3 /w/c.QLM");
  EXPECT_EQ(menu.items[1].caption, "&2 ");
  EXPECT_TRUE(menu.items[0].visible);
  EXPECT_FALSE(menu.items[1].visible);
  EXPECT_TRUE(menu.separatorVisible);
  EXPECT_FALSE(RecentMenuOf({"", "/w/b.QLM", "", ""}).separatorVisible);
}

TEST_F(ProjectCommands, CaptionNamesTheProject) {
  job.paths.ProjectFile = "/jobs/SIGN.QLM";
  EXPECT_EQ(MainWindowCaption(job), "QUILLMARK PRO-2008 -- /jobs/SIGN.QLM");
}

}  // namespace
}  // namespace quill
