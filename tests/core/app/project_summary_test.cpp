#include "app/project_summary.h"

#include <gtest/gtest.h>

#include "job/job.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class ProjectSummaryTest : public testing::Test {
 protected:
  ProjectSummaryTest() { BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/"); }

  void MakeTextPath() {
    TextPathWriter out(job.paths.TextPathFileName);
    out.Write(TpCharStart, 'L');
    out.Write(TpMove, 0, 1, 2);
    out.Write(TpLine, 0, 4, 2);
    out.Write(TpArcCcw, 0, 4, 6, 2, 4, 4);
    out.Close();
    job.flags.TextPathGenerated = true;
  }

  test::TempDir home;
  TestUi ui;
  Job job{ui};
};

TEST_F(ProjectSummaryTest, TextOnlyJobShowsNotAvailableForArtworkAndToolPath) {
  job.text = {"AB", "CDE"};
  MakeTextPath();
  job.view.ViewWindow = {0, 0, 10, 10};
  ProjectSummary s;
  SummariseProject(job, s);
  EXPECT_EQ(s.characters, "5");
  EXPECT_EQ(s.textEntities, "3");
  // The moves' and lines' box, without the view's margin (the arc's end is not a move or line point).
  EXPECT_EQ(s.textExtents, "Min X: 1.00000, Min Y: 2.00000, Max X: 4.00000, Max Y: 2.00000");
  EXPECT_EQ(s.artEntities, NotAvailable);
  EXPECT_EQ(s.artExtents, NotAvailable);
  EXPECT_EQ(s.toolExtents, NotAvailable);
  EXPECT_EQ(s.totalExtents, NotAvailable);
  EXPECT_EQ(s.blocks, "0");
  EXPECT_EQ(s.totalLength, "0.0");
}

TEST_F(ProjectSummaryTest, ToolPathFiguresStayAfterTheToolPathIsDeleted) {
  test::WriteFile(job.paths.CLFileName, "5 0.0\r\n0 0.0 0.0 0.5 0.0\r\n0 3.0 4.0 0.5 0.0\r\n1 3.0 4.0 -0.1 10.0\r\n-999\r\n");
  job.flags.ToolPathCreated = true;
  job.view.ViewWindow = {-1, -2, 3, 4};
  ProjectSummary s;
  SummariseProject(job, s);
  EXPECT_EQ(s.blocks, "3");
  EXPECT_EQ(s.rapidLength, "5.00000");
  EXPECT_EQ(s.cutLength, "0.60000");
  EXPECT_EQ(s.totalLength, "5.60000");
  EXPECT_EQ(s.toolExtents, "Min X: -1.00000, Min Y: -2.00000, Max X: 3.00000, Max Y: 4.00000");
  EXPECT_EQ(s.totalExtents, s.toolExtents);
  EXPECT_EQ(s.textEntities, NotAvailable);
  job.flags.ToolPathCreated = false;
  SummariseProject(job, s);
  EXPECT_EQ(s.blocks, "3");
  EXPECT_EQ(s.totalLength, "5.60000");
  EXPECT_EQ(s.toolExtents, NotAvailable);
}

TEST_F(ProjectSummaryTest, ArtworkWidensTheWindowAndGivesTheTotals) {
  test::WriteFile(job.paths.ArtFileName, "1 -2.0 0.0 5.0 1.0 0.0\r\n1 0.0 0.0 1.0 1.0 0.0\r\n");
  job.flags.ArtworkPresent = true;
  job.view.ViewWindow = {0, 0, 1, 1};
  ProjectSummary s;
  SummariseProject(job, s);
  EXPECT_EQ(s.artEntities, "2");
  EXPECT_EQ(s.artExtents, "Min X: -2.00000, Min Y: 0.00000, Max X: 5.00000, Max Y: 1.00000");
  EXPECT_EQ(s.totalExtents, s.artExtents);
  EXPECT_EQ(job.view.ViewWindow.Xmin, -2);
}

}  // namespace
}  // namespace quill
