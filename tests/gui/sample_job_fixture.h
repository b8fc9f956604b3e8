// The main window with a sample project of the build opened and its stages run, as an operator has it
// after Open, Generate and Create Tool Path: the compiled fonts and machines are the build's own.
#pragma once

#include "app/commands_project.h"
#include "app/stages.h"
#include "main_window_fixture.h"

namespace quill {

class SampleJobTest : public MainWindowTest {
 protected:
  SampleJobTest() {
    InitGlobals(job, home.path() + "/", test::BinaryDir() + "/data/");
    job.paths.PostsIniFile = home.File("config/QPOSTS.INI");
    job.paths.TapeDir = home.path() + "/";
  }

  // Opens data/samples/<name>, generates its text path and, with toolPath, its tool path, then shows
  // the extents.
  void OpenSample(const char* name, bool toolPath = true) {
    Picture().Run([&](MainView&) { OpenProjectFile(job, test::BinaryDir() + "/data/samples/" + name); });
    ASSERT_EQ(RunTextPathStage(job), StageStatus::Done) << testing::PrintToString(ui.Texts());
    if (toolPath) {
      ASSERT_EQ(RunToolPathStage(job), StageStatus::Done) << testing::PrintToString(ui.Texts());
    }
    Trigger("Extents");
  }
};

}  // namespace quill
