// The main window's gated commands, the NC file's save loop and the ways a project is opened.
#include <gtest/gtest.h>

#include "app/commands_gates.h"
#include "app/commands_nc_save.h"
#include "app/commands_project.h"
#include "job/job.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

using test::FileExists;
using test::WriteFile;

class CommandsTest : public testing::Test {
 protected:
  CommandsTest() { BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/"); }

  void MakeTextPath() {
    TextPathWriter out(job.paths.TextPathFileName);
    out.Write(TpMove, 0, 0, 0);
    out.Write(TpLine, 0, 1, 0);
    out.Write(TpLine, 0, 1, 1);
    out.Close();
    job.flags.TextPathGenerated = true;
  }
  void MakeArtwork() {
    WriteFile(job.paths.ArtFileName, "1 0.0 0.0 2.0 2.0 0.0\r\n");
    job.flags.ArtworkPresent = true;
  }
  void MakeToolPath() {
    WriteFile(job.paths.CLFileName, "5 0.0\r\n0 1.0 1.0 0.1 0.0\r\n-999\r\n");
    job.flags.ToolPathCreated = true;
  }

  test::TempDir home;
  TestUi ui;
  Job job{ui};
};

TEST_F(CommandsTest, EveryGateSaysWhatIsMissingAndChangesNothing) {
  EXPECT_FALSE(RequireTextPath(job));
  EXPECT_FALSE(RequireArtwork(job));
  EXPECT_FALSE(RequireToolPath(job));
  EXPECT_FALSE(DeleteCurrentText(job));
  EXPECT_FALSE(DeleteToolPath(job));
  EXPECT_FALSE(ConvertToArtworkCommand(job));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                            "Text Path Has Not Been Generated Yet", "Art File has not been Imported / Created Yet",
                            "Tool Path Has Not Been Created Yet", "No Text to Delete",
                            "Tool Path Has Not Been Created Yet", "Text Path Has Not Been Generated Yet"}));
  for (const Message& m : ui.messages) EXPECT_EQ(m.kind, MsgKind::Information);
  EXPECT_FALSE(FileExists(job.paths.ArtFileName));
}

TEST_F(CommandsTest, DeletingTheTextAsksFirstAndKeepsArtworkAndToolPath) {
  MakeTextPath();
  MakeArtwork();
  MakeToolPath();
  ui.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(DeleteCurrentText(job));
  EXPECT_TRUE(job.flags.TextPathGenerated);
  EXPECT_TRUE(FileExists(job.paths.TextPathFileName));
  EXPECT_TRUE(DeleteCurrentText(job));
  EXPECT_EQ(ui.messages.back().text, "Do you really want to Delete The Current Text");
  EXPECT_EQ(ui.messages.back().buttons, unsigned{BtnYesNo});
  EXPECT_FALSE(job.flags.TextPathGenerated);
  EXPECT_FALSE(FileExists(job.paths.TextPathFileName));
  EXPECT_TRUE(job.flags.ArtworkPresent && job.flags.ToolPathCreated);
  EXPECT_TRUE(FileExists(job.paths.ArtFileName) && FileExists(job.paths.CLFileName));
}

TEST_F(CommandsTest, AfterDeleteToolPathGeneratingNcCodeIsRefused) {
  MakeToolPath();
  EXPECT_TRUE(RequireToolPath(job));
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(DeleteToolPath(job));
  EXPECT_EQ(ui.Texts().back(), "Do you really want to Delete The Tool Path");
  EXPECT_FALSE(FileExists(job.paths.CLFileName));
  EXPECT_FALSE(RequireToolPath(job));
  EXPECT_EQ(ui.Texts().back(), "Tool Path Has Not Been Created Yet");
}

TEST_F(CommandsTest, ConvertToArtworkConsumesTheTextPath) {
  MakeTextPath();
  EXPECT_TRUE(ConvertToArtworkCommand(job));
  EXPECT_FALSE(job.flags.TextPathGenerated);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName).size(), 3u);
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_TRUE(ui.messages.empty());
}

// A chooser that hands out the given paths and remembers how it was opened.
struct ScriptedChooser {
  std::vector<std::string> paths;
  std::vector<std::string> folders, filters;
  std::string operator()(const std::string& folder, const std::string& ext, const std::string& filter) {
    folders.push_back(folder);
    filters.push_back(filter + " [" + ext + "]");
    if (paths.empty()) return {};
    std::string p = paths.front();
    paths.erase(paths.begin());
    return p;
  }
};

TEST_F(CommandsTest, NcSaveLoopOpensOnTheNcFolderWithTheDefaultExtension) {
  job.paths.TapeDir = home.path() + "/tapes/";
  job.prefs.DefaultExt = "NC";
  ScriptedChooser chooser{{home.File("new.NC")}};
  NcFileChoice choice = ChooseNcFile(job, std::ref(chooser));
  EXPECT_EQ(choice.outcome, NcFileChoice::Chosen);
  EXPECT_EQ(choice.file, home.File("new.NC"));
  EXPECT_EQ(chooser.folders, (std::vector<std::string>{job.paths.TapeDir}));
  EXPECT_EQ(chooser.filters[0], "NC-Code files (*.NC)|*.NC|Text Files (*.txt)|*.txt|All files (*.*)|*.* [NC]");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandsTest, NcSaveLoopAnswersToTheOverwriteQuestion) {
  WriteFile(home.File("old.TAP"), "G0\r\n");
  {  // No: the chooser opens again
    ScriptedChooser chooser{{home.File("old.TAP"), home.File("other.TAP")}};
    ui.answers = {Answer::No};
    NcFileChoice choice = ChooseNcFile(job, std::ref(chooser));
    EXPECT_EQ(choice.outcome, NcFileChoice::Chosen);
    EXPECT_EQ(choice.file, home.File("other.TAP"));
    EXPECT_EQ(chooser.folders.size(), 2u);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Do you really want to overwrite old.TAP?"});
    EXPECT_EQ(ui.messages[0].buttons, unsigned{BtnYesNoCancel});
  }
  {  // Yes: the existing file is taken
    ScriptedChooser chooser{{home.File("old.TAP")}};
    ui.answers = {Answer::Yes};
    EXPECT_EQ(ChooseNcFile(job, std::ref(chooser)).file, home.File("old.TAP"));
  }
  {  // Cancel: the loop stops, the generator stays
    ScriptedChooser chooser{{home.File("old.TAP")}};
    ui.answers = {Answer::Cancel};
    EXPECT_EQ(ChooseNcFile(job, std::ref(chooser)).outcome, NcFileChoice::Stopped);
    EXPECT_EQ(chooser.folders.size(), 1u);
  }
  ScriptedChooser cancelled;
  EXPECT_EQ(ChooseNcFile(job, std::ref(cancelled)).outcome, NcFileChoice::Cancelled);
  EXPECT_EQ(test::ReadFile(home.File("old.TAP")), "G0\r\n");
}

TEST_F(CommandsTest, RecentProjectsOpenWithoutReorderingAndOpenPutsFirst) {
  std::string a = home.File("A.QLM"), b = home.File("B.QLM");
  WriteFile(a, "$QUILLVER\r\n7.0100\r\n$TEXTHIGH\r\n2.5\r\n$BEGINTEXT\r\nALPHA\r\n");
  WriteFile(b, "$QUILLVER\r\n7.0100\r\n$TEXTHIGH\r\n0.75\r\n$BEGINTEXT\r\nBETA\r\n");
  job.prefs.RecentProjects = {a, b, "", ""};
  EXPECT_FALSE(OpenRecentProject(job, 2));
  EXPECT_EQ(job.paths.ProjectFile, "");
  EXPECT_TRUE(OpenRecentProject(job, 1));
  EXPECT_EQ(job.paths.ProjectFile, b);
  EXPECT_EQ(job.settings.TEXTHIGH, "0.75");
  EXPECT_EQ(job.text, std::vector<std::string>{"BETA"});
  EXPECT_EQ(job.prefs.RecentProjects[0], a);
  OpenProjectFile(job, b);
  OpenProjectFile(job, b);
  EXPECT_EQ(job.prefs.RecentProjects, (std::array<std::string, 4>{b, a, "", ""}));
}

// A recent entry or a file that is no project (any longer) is reported and leaves the job as it is.
TEST_F(CommandsTest, AFileThatIsNoProjectNeverBecomesTheProject) {
  std::string a = home.File("A.QLM"), gone = home.File("GONE.QLM"), text = home.File("notes.txt");
  WriteFile(a, "$QUILLVER\r\n7.0100\r\n$BEGINTEXT\r\nALPHA\r\n");
  WriteFile(text, "notes\r\n");
  ASSERT_TRUE(OpenProjectFile(job, a));
  job.prefs.RecentProjects = {gone, text, a, ""};
  EXPECT_FALSE(OpenRecentProject(job, 0));
  EXPECT_FALSE(OpenRecentProject(job, 1));
  EXPECT_FALSE(OpenProjectFile(job, text));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"File Open error", "Not a Valid QUILLMARK File",
                                                  "Not a Valid QUILLMARK File"}));
  EXPECT_EQ(job.paths.ProjectFile, a);
  EXPECT_EQ(job.text, std::vector<std::string>{"ALPHA"});
  EXPECT_EQ(job.prefs.RecentProjects, (std::array<std::string, 4>{gone, text, a, ""}));
}

}  // namespace
}  // namespace quill
