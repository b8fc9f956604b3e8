// A save killed half way, at the write that crosses a file-size limit or by SIGKILL at any moment, leaves
// the project file as it was before the save or as the save made it, never a mixture.
#include <csignal>
#include <random>

#include "child_process.h"
#include "project/project_writer.h"
#include "project_fixture.h"
#include "records/artwork_record.h"

namespace quill {
namespace {

using test::ChildProcess;
using test::ReadFile;

class ProjectSaveCrash : public ProjectFixture {
 protected:
  ProjectSaveCrash() {
    job.text = {"THE OLD JOB"};
    EXPECT_TRUE(WriteProject(job, path));
    oldProject = ReadFile(path);
    // The new save carries megabytes of artwork.
    ArtWriter art(job.paths.ArtFileName, false);
    for (int i = 0; i < 60000; ++i) art.Line(i * 0.001, 0, i * 0.001, 1);
    EXPECT_TRUE(art.Close());
    job.flags.ArtworkPresent = true;
    job.text = {"THE NEW JOB"};
  }

  std::string path = home.File("JOB.QLM");
  std::string oldProject;
};

TEST_F(ProjectSaveCrash, ASaveKilledAtTheLimitLeavesTheOldProject) {
  ChildProcess save = ChildProcess::Fork([&] { WriteProject(job, path); }, {oldProject.size() + (1 << 20), false});
  EXPECT_EQ(save.Wait().signal, SIGXFSZ);
  EXPECT_EQ(ReadFile(path), oldProject);
}

TEST_F(ProjectSaveCrash, SavesKilledAtAnyMomentLeaveAWholeProject) {
  ASSERT_TRUE(WriteProject(job, home.File("NEW.QLM")));
  const std::string newProject = ReadFile(home.File("NEW.QLM"));
  std::mt19937 random(2008);
  for (int round = 0; round < 10; ++round) {
    ChildProcess saves = ChildProcess::Fork([&] {
      for (;;) WriteProject(job, path);
    });
    usleep(5000 + random() % 60000);
    saves.Kill(SIGKILL);
    saves.Wait();
    const std::string now = ReadFile(path);
    EXPECT_TRUE(now == oldProject || now == newProject) << "round " << round << ": " << now.size() << " bytes";
  }
}

}  // namespace
}  // namespace quill
