#include "nc/nc_generator.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "job/job.h"
#include "nc/posts_file.h"
#include "post_test_util.h"
#include "project/profile.h"

namespace quill::test {
namespace {

class Generator : public ::testing::Test {
 protected:
  Generator() : job(ui) {
    BuildWorkFilePaths(job.paths, dir.path() + "/", test::SourceDir() + "/data/");
    job.paths.PostsIniFile = dir.File("config/QPOSTS.INI");
    test::WriteFile(job.paths.CLFileName, "5 0.0\r\n" + Rec(1, 1, 2, -0.01, 10) + "\r\n-999\r\n");
  }
  std::string Pref(const std::string& key) {
    return ProfileFile(job.paths.IniFileName).ReadString("DEFAULTS", key, "<none>");
  }

  test::TempDir dir;
  TestUi ui;
  Job job;
};

TEST_F(Generator, ShowsTheDefaultMachineAndItsMacros) {
  NcGenerator g(job);
  g.Load();
  g.Show();
  EXPECT_EQ(g.chordTolerance, "0.001");
  EXPECT_EQ(g.Machine(), "DMILL");
  EXPECT_EQ(g.Macros(), (Lines{"Startup", "Shutdown", "Tool Change", "Spindle Speed"}));
  EXPECT_EQ(g.Machines().front(), "BENDIX MILL");
}

TEST_F(Generator, UnattendedRunTakesTheProjectsMachine) {
  job.flags.BatchRun = true;
  job.paths.MachineName = "lathe";
  NcGenerator g(job);
  g.Show();
  EXPECT_EQ(g.Machine(), "LATHE");
  job.paths.MachineName = "NO SUCH MILL";
  g.Show();
  EXPECT_EQ(g.Machine(), "BENDIX MILL");
  EXPECT_EQ(ui.Console(StatusChannel::General), "Machine \"NO SUCH MILL\" is not set up; \"BENDIX MILL\" is used\n");
}

TEST_F(Generator, StartWritesTheProgramAndRemembersTheRun) {
  NcGenerator g(job);
  g.Load();
  g.SetNcFileName(dir.File("JOB.TAP"));
  g.Show();
  ASSERT_TRUE(g.SelectMachine("DXF FILE"));
  g.startupMacro = "Tool Change";  // the DXF machine has none of that name
  g.chordTolerance = "0.002";
  ASSERT_TRUE(g.Start());
  Lines dxf = test::ReadLines(dir.File("JOB.TAP"));
  EXPECT_EQ(dxf.front(), "  0");
  EXPECT_EQ(dxf[4], "  0");  // no start-up lines were written
  EXPECT_EQ(Pref("DEFMCH"), "DXF FILE");
  EXPECT_EQ(Pref("CHATTOL"), "0.002");
  EXPECT_EQ(Pref("DEFMAC1"), "Tool Change");
  EXPECT_EQ(Pref("DEFMAC2"), "Shutdown");
  EXPECT_FALSE(test::FileExists(job.paths.PostsIniFile));  // reading never copies the machine file
}

TEST_F(Generator, DxfNameOnAnotherMachineAsksFirst) {
  NcGenerator g(job);
  g.SetNcFileName(dir.File("part.dxf"));
  g.Show();
  ui.answers = {Answer::No};
  EXPECT_FALSE(g.Start());
  EXPECT_FALSE(test::FileExists(dir.File("part.dxf")));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Warning, You are About to generate a DXF file\nUsing a Machine Name that is NOT Setup\n"
            "to Generate DXF Format. Are you Sure ?");
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(g.Start());
  EXPECT_EQ(test::ReadLines(dir.File("part.dxf")).front(), "(QUILLMARK PRO-2008 ENGRAVING)");
}

TEST_F(Generator, NoFileChosenWritesNothing) {
  NcGenerator g(job);
  g.Show();
  EXPECT_FALSE(g.Start());
  EXPECT_EQ(ui.Texts(), (Lines{"No NC file has been chosen: choose one with Generate NC-Code"}));
  EXPECT_FALSE(test::FileExists("NONE"));
}

TEST_F(Generator, NoMachinesNoProgram) {
  std::filesystem::create_directories(dir.File("config"));
  test::WriteFile(job.paths.PostsIniFile, "[Machine Names]\nNUMBER=0\n");
  NcGenerator g(job);
  g.SetNcFileName(dir.File("JOB.TAP"));
  g.Show();
  EXPECT_FALSE(g.Start());
  EXPECT_EQ(ui.Texts(), (Lines{"No NC machine is set up in [" + job.paths.PostsIniFile + "]"}));
}

TEST_F(Generator, TheUsersMachineFileStartsAsACopyOfTheBundledOne) {
  EXPECT_EQ(PostsFileToRead(job.paths), job.paths.BundledPostsIni);
  ASSERT_EQ(PrepareUserPostsFile(job.paths), job.paths.PostsIniFile);
  EXPECT_EQ(test::ReadFile(job.paths.PostsIniFile), test::ReadFile(job.paths.BundledPostsIni));
  EXPECT_EQ(PostsFileToRead(job.paths), job.paths.PostsIniFile);
  test::WriteFile(job.paths.PostsIniFile, "[Machine Names]\n");  // a later copy is the user's own
  ASSERT_EQ(PrepareUserPostsFile(job.paths), job.paths.PostsIniFile);
  EXPECT_EQ(test::ReadFile(job.paths.PostsIniFile), "[Machine Names]\n");
}

// A Ui whose window messages press Start again, as an impatient operator would during a run.
class ImpatientUi : public TestUi {
 public:
  void Pump() override {
    if (generator && !pressed) {
      pressed = true;
      secondStart = generator->Start();
    }
  }
  NcGenerator* generator = nullptr;
  bool pressed = false, secondStart = true;
};

TEST(GeneratorRun, StartIsRefusedWhileARunIsInProgress) {
  test::TempDir dir;
  ImpatientUi ui;
  Job job(ui);
  BuildWorkFilePaths(job.paths, dir.path() + "/", test::SourceDir() + "/data/");
  test::WriteFile(job.paths.CLFileName, Rec(1, 1, 2, -0.01, 10) + "\r\n");
  NcGenerator g(job);
  g.SetNcFileName(dir.File("JOB.TAP"));
  g.Show();
  ui.generator = &g;
  EXPECT_TRUE(g.Start());
  EXPECT_TRUE(ui.pressed);
  EXPECT_FALSE(ui.secondStart);
}

}  // namespace
}  // namespace quill::test
