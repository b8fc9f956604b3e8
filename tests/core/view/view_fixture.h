// A job in a temporary home with work files written by the test, for the drawing tests.
#pragma once

#include <memory>
#include <string>

#include "job/job.h"
#include "records/artwork_record.h"
#include "records/cl_record.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill::test {

struct ViewJob {
  TempDir home;
  TestUi ui;
  Job job{ui};

  ViewJob() {
    BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/");
    job.prefs.ShowAxes = false;
    job.prefs.ShowRuler = false;
  }

  // A text path of moves and lines (and arcs when asked), flagged as generated.
  TextPathWriter TextPath() {
    job.flags.TextPathGenerated = true;
    return TextPathWriter(job.paths.TextPathFileName);
  }
  ArtWriter Artwork() {
    job.flags.ArtworkPresent = true;
    return ArtWriter(job.paths.ArtFileName, false);
  }
  ClWriter ToolPath() {
    job.flags.ToolPathCreated = true;
    return ClWriter(job.paths.CLFileName);
  }
};

}  // namespace quill::test
