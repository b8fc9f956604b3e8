#include "app/solid_model.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "job/job.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

struct SolidModelJob {
  SolidModelJob() {
    BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/");
    job.paths.SolidPath = home.path() + "/";
    job.settings.TSHAPE = 0;
    job.settings.TOOLDIA = "0.125";
  }
  // A verifier that leaves a copy of the file it was given, so the test sees what it was handed.  The
  // copy appears whole under its name (a rename), since the test reads it as soon as it is there.
  void InstallVerifier() {
    std::string path = home.File(VerifierProgram);
    test::WriteFile(path, "#!/bin/sh\ncp \"$1\" handed.tmp && mv handed.tmp handed.apt\n");
    chmod(path.c_str(), 0755);
  }
  test::TempDir home;
  TestUi ui;
  Job job{ui};
};

TEST(SolidModel, WithoutAToolPathNothingIsWritten) {
  SolidModelJob s;
  EXPECT_FALSE(RunSolidModel(s.job));
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"Tool Path Has Not Been Created Yet"});
  EXPECT_FALSE(test::FileExists(s.job.paths.AptFileName));
}

TEST(SolidModel, TheVerifierGetsTheAptFileOfThePlanView) {
  SolidModelJob s;
  s.InstallVerifier();
  test::WriteFile(s.job.paths.CLFileName, " 5 0\n 0 0 0 0.1 0\n 1 2 1 -0.01 5\n-999\n");
  s.job.flags.ToolPathCreated = true;
  s.job.view.View3D = true;
  ASSERT_TRUE(RunSolidModel(s.job)) << testing::PrintToString(s.ui.Texts());
  EXPECT_FALSE(s.job.view.View3D);
  std::string handed = s.home.File("handed.apt");
  for (int i = 0; i < 3000 && !test::FileExists(handed); ++i) usleep(10000);  // the verifier runs detached
  std::vector<std::string> lines = test::ReadLines(handed);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].rfind("CBOX/", 0), 0u);
  EXPECT_EQ(lines[1], "CUTTER/ 0.125000,0,0,0,0,0,3.0");
  EXPECT_EQ(lines.back(), "FINI");
}

TEST(SolidModel, AMissingVerifierIsReportedAfterTheFileIsWritten) {
  SolidModelJob s;
  test::WriteFile(s.job.paths.CLFileName, " 5 0\n 1 1 1 -0.01 5\n-999\n");
  s.job.flags.ToolPathCreated = true;
  EXPECT_FALSE(RunSolidModel(s.job));
  EXPECT_TRUE(test::FileExists(s.job.paths.AptFileName));
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text, "Cannot Execute (2) [" + s.home.File(VerifierProgram) + "]");
}

}  // namespace
}  // namespace quill
