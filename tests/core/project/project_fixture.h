// A job in a temporary home for the project and preferences tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "job/job.h"
#include "job/paths.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

class ProjectFixture : public testing::Test {
 protected:
  ProjectFixture() { BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/data/"); }

  // A second job in the same home, as a later run of the program would see it.
  struct Other {
    explicit Other(const ProjectFixture& f) {
      BuildWorkFilePaths(job.paths, f.home.path() + "/", f.home.path() + "/data/");
    }
    TestUi ui;
    Job job{ui};
  };

  std::string Project(const std::string& content, const std::string& name = "JOB.QLM") {
    std::string path = home.File(name);
    test::WriteFile(path, content);
    return path;
  }

  test::TempDir home;
  TestUi ui;
  Job job{ui};
};

}  // namespace quill
