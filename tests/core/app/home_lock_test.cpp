#include "app/home_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include "app/home_access.h"
#include "child_process.h"
#include "job/paths.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

using test::ChildProcess;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class HomeLockTest : public testing::Test {
 protected:
  TempDir dir;
  std::string home = dir.path() + "/";
  std::string lockFile = home + HomeLockFileName;
};

TEST_F(HomeLockTest, TheHolderIsNamedAndTheHomeIsFreeAgainWhenItLetsGo) {
  const std::string self = "process " + std::to_string(::getpid()) + " (";
  {
    HomeLock first(home);
    ASSERT_EQ(first.state(), HomeLock::State::Held);
    EXPECT_EQ(ReadFile(lockFile).rfind(std::to_string(::getpid()) + " ", 0), 0u);
    HomeLock second(home);
    EXPECT_EQ(second.state(), HomeLock::State::InUse);
    EXPECT_FALSE(second.Usable());
    EXPECT_EQ(second.Holder().rfind(self, 0), 0u) << second.Holder();
    EXPECT_NE(second.Holder().find("test_core_app"), std::string::npos) << second.Holder();
  }
  EXPECT_EQ(ReadFile(lockFile), "");  // nobody is named for a free home
  EXPECT_EQ(HomeLock(home).state(), HomeLock::State::Held);
}

TEST_F(HomeLockTest, ALockOfAKilledProgramNeverOutlivesIt) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  ChildProcess holder = ChildProcess::Fork([&] {
    HomeLock lock(home);
    char held = lock.state() == HomeLock::State::Held ? 'y' : 'n';
    if (::write(ready[1], &held, 1) != 1) return;
    ::pause();
  });
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 'y');
  HomeLock busy(home);
  EXPECT_EQ(busy.state(), HomeLock::State::InUse);
  EXPECT_EQ(busy.Holder().rfind("process " + std::to_string(holder.Pid()) + " (", 0), 0u) << busy.Holder();
  holder.Kill(SIGKILL);
  holder.Wait();
  EXPECT_EQ(HomeLock(home).state(), HomeLock::State::Held);
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(HomeLockTest, AHomeThatCannotHoldALockFileIsReported) {
  const std::string notAFolder = dir.File("FILE") + "/";
  WriteFile(dir.File("FILE"), "x");
  HomeLock lock(notAFolder);
  EXPECT_EQ(lock.state(), HomeLock::State::Failed);
  EXPECT_NE(lock.Error().find("Cannot make the lock file"), std::string::npos);
  TestUi ui;
  EXPECT_EQ(TakeHome(ui, notAFolder, HomeInUse::Refuse), "");
  ASSERT_EQ(ui.Texts().size(), 1u);
}

TEST_F(HomeLockTest, TheUnattendedRunRefusesAHeldHomeAndNamesItsHolder) {
  HomeLock other(home);
  const std::string holder = HomeLock(home).Holder();
  TestUi ui;
  EXPECT_EQ(TakeHome(ui, home, HomeInUse::Refuse), "");
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], "The program folder " + home + " is in use by " + holder +
                               ". Wait until it ends, or give this program a folder of its own with --home.");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
}

TEST_F(HomeLockTest, TheDesktopProgramMayQuitOrOpenReadOnlyInAFolderOfItsOwn) {
  WriteFile(home + "QUILLMAR.INI", "[DEFAULTS]\r\nDEFEXT=NC\r\n");
  WriteFile(home + "QUILLDEF.TXT", "KEPT TEXT\r\n");
  HomeLock other(home);
  TestUi quits;
  quits.answers = {Answer::No};
  EXPECT_EQ(TakeHome(quits, home, HomeInUse::AskReadOnly), "");
  ASSERT_EQ(quits.messages.size(), 1u);
  EXPECT_EQ(quits.messages[0].buttons, static_cast<unsigned>(BtnYesNo));
  EXPECT_EQ(quits.messages[0].defaultAnswer, Answer::No);

  TestUi opens;
  opens.answers = {Answer::Yes};
  const std::string apart = TakeHome(opens, home, HomeInUse::AskReadOnly);
  ASSERT_FALSE(apart.empty());
  EXPECT_NE(apart, home);
  EXPECT_EQ(ReadFile(apart + "QUILLMAR.INI"), ReadFile(home + "QUILLMAR.INI"));
  EXPECT_EQ(ReadFile(apart + "QUILLDEF.TXT"), "KEPT TEXT\r\n");
  EXPECT_FALSE(test::FileExists(apart + "3DSCAN.BMP"));  // what the home lacks stays missing
  WriteFile(apart + "QUILLDEF.TXT", "CHANGED\r\n");
  EXPECT_EQ(ReadFile(home + "QUILLDEF.TXT"), "KEPT TEXT\r\n");

  JobPaths paths;
  BuildWorkFilePaths(paths, apart, home + "data/");
  ReadFromHeldHome(paths, home);
  EXPECT_EQ(paths.CLFileName, apart + "QUILLMAR.CL");
  EXPECT_EQ(paths.FontDir, home);
  EXPECT_EQ(paths.TapeDir, home);
}

TEST_F(HomeLockTest, TakingTheHomeClearsWhatCrashedReplacesLeftBehind) {
  for (const char* name : {"QUILLART.TMP.partial-a1B2c3", "QUILLMAR.INI.partial-zzzzzz", "QUILLART.TMP",
                           "QUILLART.TMP.backup", "JOB.QLM.partial-a1B2c3", "QUILLART.TMP.partial-a1B2c"}) {
    WriteFile(home + name, "x");
  }
  TestUi ui;
  ASSERT_EQ(TakeHome(ui, home, HomeInUse::Refuse), home);
  EXPECT_FALSE(test::FileExists(home + "QUILLART.TMP.partial-a1B2c3"));
  EXPECT_FALSE(test::FileExists(home + "QUILLMAR.INI.partial-zzzzzz"));
  for (const char* kept : {"QUILLART.TMP", "QUILLART.TMP.backup", "JOB.QLM.partial-a1B2c3", "QUILLART.TMP.partial-a1B2c"}) {
    EXPECT_TRUE(test::FileExists(home + kept)) << kept;
  }
}

TEST_F(HomeLockTest, AProgramTakesItsOwnHomeOnceAndKeepsIt) {
  TestUi ui;
  EXPECT_EQ(TakeHome(ui, home, HomeInUse::Refuse), home);
  EXPECT_EQ(TakeHome(ui, home, HomeInUse::Refuse), home);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(HomeLock(home).state(), HomeLock::State::InUse);  // held until the process ends
}

}  // namespace
}  // namespace quill
