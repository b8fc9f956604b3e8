#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "job/job.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

using test::FileExists;
using test::TempDir;
using test::WriteFile;

class StartupTest : public testing::Test {
 protected:
  TempDir home;
  TestUi ui;
  Job job{ui};
  void Init() { InitGlobals(job, home.path() + "/", home.path() + "/data/"); }
};

TEST_F(StartupTest, InitGlobalsGivesEveryInitialValue) {
  job.flags.ArtworkPresent = true;
  job.flags.BatchRun = true;
  job.settings.TEXTHIGH = "9";
  job.settings.CharTable[5].ch = 'Z';
  Init();
  EXPECT_FALSE(job.flags.ArtworkPresent);
  EXPECT_FALSE(job.flags.BatchRun);
  EXPECT_FALSE(job.flags.ProjectModified);
  EXPECT_FALSE(job.flags.DisplayIdle);
  EXPECT_EQ(job.settings.TEXTHIGH, "1.0");
  EXPECT_EQ(job.settings.CharTable[5].ch, 'A');
  EXPECT_FLOAT_EQ(job.settings.CharTable[2047].spacing, 0.125f);
  EXPECT_FLOAT_EQ(job.settings.CharTable[2047].height, 1.0f);
  EXPECT_EQ(job.settings.ACURVEX[124], 0.0f);
  EXPECT_EQ(job.view.PrevViewWindow.Xmin, -1);
  EXPECT_EQ(job.view.PrevViewWindow.Ymax, 1);
  EXPECT_EQ(job.settings.RFXX, "5.0");
  EXPECT_EQ(job.paths.EngraveFontFile, "SIMPLEX.QXF");
  EXPECT_EQ(job.paths.ProjectFile, "");
  EXPECT_EQ(job.prefs.ArtColor, 0xFFFF00u);
  EXPECT_EQ(job.prefs.RapidColor, 0x0000FFu);
  EXPECT_TRUE(job.prefs.ShowToolPath);
  EXPECT_FALSE(job.prefs.ShowToolWidth);
  EXPECT_TRUE(job.prefs.ShowRuler);
  EXPECT_EQ(job.toolPathTolerance, 0.01);
  EXPECT_EQ(job.textDecimals, 5);
  EXPECT_TRUE(job.toolOnTopOfSurface);
  EXPECT_EQ(job.paths.CLFileName, home.path() + "/QUILLMAR.CL");
  EXPECT_EQ(job.paths.VectorizerParams, home.path() + "/qp2008.par");
  EXPECT_EQ(job.paths.TapeDir, home.path() + "/");
}

TEST_F(StartupTest, ToolPathNeverSurvivesARestart) {
  WriteFile(home.File("QUILLMAR.CL"), "5 0.0\r\n-999\r\n");
  WriteFile(home.File("QMBF.TMP"), "x");
  Init();
  EXPECT_FALSE(FileExists(home.File("QUILLMAR.CL")));
  EXPECT_TRUE(FileExists(home.File("QMBF.TMP")));  // text path files go at the close, not at start-up
}

TEST_F(StartupTest, CloseDeletesTheWorkFilesButKeepsTheToolPath) {
  Init();
  for (const char* f : {"QMLINE.TMP", "QMLINE1.TMP", "QMBF.TMP", "QMARCFIT.TMP", "QUILLART.TMP", "QUILLART1.TMP",
                        "QUILLART2.TMP", "QUILLART3.TMP", "QUILLMAR.CL", "QUILLPRO.APT"}) {
    WriteFile(home.File(f), "x");
  }
  job.flags.TextPathGenerated = job.flags.ArtworkPresent = job.flags.ToolPathCreated = true;
  CloseMainWindow(job);
  for (const char* f : {"QMLINE.TMP", "QMLINE1.TMP", "QMBF.TMP", "QMARCFIT.TMP", "QUILLART.TMP", "QUILLART1.TMP",
                        "QUILLART2.TMP"}) {
    EXPECT_FALSE(FileExists(home.File(f))) << f;
  }
  for (const char* f : {"QUILLART3.TMP", "QUILLMAR.CL", "QUILLPRO.APT"}) EXPECT_TRUE(FileExists(home.File(f))) << f;
  EXPECT_FALSE(job.flags.TextPathGenerated || job.flags.ArtworkPresent || job.flags.ToolPathCreated);
}

TEST_F(StartupTest, CommandLineLastProjectWinsAndTheSwitchGoesAnywhere) {
  Init();
  TempDir files;
  WriteFile(files.File("one.QLM"), "$QUILLVER\r\n7.0100\r\n");
  WriteFile(files.File("two.qlm"), "$QUILLVER\r\n7.0100\r\n");
  WriteFile(files.File("notes.txt"), "x");
  ProcessCommandLine(job, {"-R", files.File("one.QLM"), files.File("two.qlm"), files.File("missing.QLM"),
                           files.File("notes.txt"), "-x"});
  EXPECT_EQ(job.paths.ProjectFile, files.File("two.qlm"));
  EXPECT_TRUE(job.flags.BatchRun);
  EXPECT_TRUE(ui.messages.empty());  // missing and foreign files are skipped without a message box
  EXPECT_EQ(ui.Console(StatusChannel::General), "File not found, skipped [" + files.File("missing.QLM") + "]\n");

  ProcessCommandLine(job, {files.File("one.QLM")});
  EXPECT_FALSE(job.flags.BatchRun);  // cleared at the start of every reading
  EXPECT_EQ(job.paths.ProjectFile, files.File("one.QLM"));
  ProcessCommandLine(job, {files.File("one.QLM"), "-r"});
  EXPECT_TRUE(job.flags.BatchRun);
  ProcessCommandLine(job, {"-rr", "r", "--r"});
  EXPECT_FALSE(job.flags.BatchRun);
}

TEST_F(StartupTest, NewJobKeepsTheProjectFileAndClearsTheResults) {
  Init();
  job.paths.ProjectFile = "/shop/a.QLM";
  job.flags.TextPathGenerated = job.flags.ArtworkPresent = job.flags.ToolPathCreated = true;
  NewJob(job);
  EXPECT_EQ(job.paths.ProjectFile, "/shop/a.QLM");
  EXPECT_FALSE(job.flags.TextPathGenerated || job.flags.ArtworkPresent || job.flags.ToolPathCreated);
}

TEST_F(StartupTest, EditorTextIsKeptBetweenRunsButNotByAnUnattendedRun) {
  Init();
  job.text = {"FIRST", "SECOND"};
  SaveEditorText(job);
  job.text.clear();
  LoadEditorText(job);
  EXPECT_EQ(job.text, (std::vector<std::string>{"FIRST", "SECOND"}));
  job.flags.BatchRun = true;
  job.text = {"CHANGED"};
  SaveEditorText(job);
  job.text.clear();
  LoadEditorText(job);
  EXPECT_EQ(job.text, (std::vector<std::string>{"FIRST", "SECOND"}));
}

TEST(HomeOption, TakenFromAnywhereInTheArguments) {
  HomeArgs a = TakeHomeOption({"a.QLM", "--home", "/tmp/h", "-r"});
  EXPECT_EQ(a.home, "/tmp/h");
  EXPECT_EQ(a.rest, (std::vector<std::string>{"a.QLM", "-r"}));
  EXPECT_EQ(TakeHomeOption({"--home=/x"}).home, "/x");
  EXPECT_FALSE(TakeHomeOption({"-r", "--home"}).error.empty());
}

}  // namespace
}  // namespace quill
