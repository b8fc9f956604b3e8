// The merge run: rows into one cutter-location file as the serial-number run does with numbers, rows on
// an array of plates, a file per row, rows that fail, and Cancel.
#include "toolpath/merge/merge_run.h"

#include <algorithm>

#include "../toolpath_fixture.h"
#include "records/cl_record.h"

namespace quill {
namespace {

using Lines = std::vector<std::string>;

class MergeRunTest : public ToolPathTest {
 protected:
  MergeRunTest() {
    job.text = {"{Name}"};
    stages.generateTextPath = [this](Job& j) {
      texts.push_back(j.text.at(0));
      if (failOn == j.text.at(0)) return false;
      WriteTextPath({Move(0, 0), Line(1, 0)});
      return true;
    };
  }

  // Rows ANN, BO, ... as PrepareMergeRows makes them from a file with a header.
  MergeData Rows(const Lines& names) {
    MergeData data;
    for (size_t i = 0; i < names.size(); ++i) {
      data.rows.push_back({static_cast<long>(i) + 2, static_cast<long>(i), {names[i]}, names[i]});
    }
    data.dataRows = static_cast<long>(names.size());
    return data;
  }

  long Count(const Lines& lines, const std::string& line) { return std::count(lines.begin(), lines.end(), line); }

  // The X of every rapid to a stroke's start (the second rapid of each tool path).
  std::vector<double> StartXs(const Lines& lines) {
    std::vector<double> xs;
    for (size_t i = 1; i < lines.size(); ++i) {
      ClRecord r;
      if (lines[i - 1].rfind("5 ", 0) == 0 && ParseClRecord(lines[i], r)) xs.push_back(r.X);
    }
    return xs;
  }

  MergeOptions options;
  MergeStages stages;
  Lines texts;
  std::string failOn;
};

TEST_F(MergeRunTest, RowsFollowOneAnotherAsSerialNumbersDo) {
  test::WriteFile(job.paths.CLFileName, "an old tool path\r\n");
  MergeOutcome out = RunMerge(job, options, Rows({"ANN", "BO (IT)", "CY"}), stages);
  EXPECT_TRUE(out.complete);
  EXPECT_EQ(out.engraved, 3);
  EXPECT_EQ(texts, (Lines{"ANN", "BO (IT)", "CY"}));
  Lines cl = ClLines();
  ASSERT_EQ(cl.size(), 3u * 8 + 1);
  EXPECT_EQ(cl[0], "900 (ANN)");
  EXPECT_EQ(cl[1], "5 0.0000000000000000");
  EXPECT_EQ(cl[6], "901 Reset Home");
  EXPECT_EQ(cl[7], "900 M00");
  EXPECT_EQ(cl[8], "900 (BO [IT])");  // one comment on every control
  EXPECT_EQ(cl.back(), "-999");
  EXPECT_EQ(Count(cl, "-999"), 1);
  EXPECT_EQ(job.text, Lines{"{Name}"});  // the editor keeps its fields for the next merge
  EXPECT_TRUE(job.flags.ToolPathCreated);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(RowComment({"A (1)", "B"}), "A [1] / B");
}

TEST_F(MergeRunTest, ArrayPutsRowsInCellsAndPartsThePlates) {
  options.array = {2, 2, 3.0, 1.5};
  options.insertComment = false;
  options.betweenRows = {"M00", "(NEXT PLATE)"};
  MergeData data = Rows({"A", "B", "C", "D", "E"});
  data.rows.erase(data.rows.begin() + 1);  // B could not be prepared: its cell stays empty
  ASSERT_TRUE(RunMerge(job, options, data, stages).complete);
  Lines cl = ClLines();
  EXPECT_EQ(StartXs(cl), (std::vector<double>{0, 0, 3, 0}));
  ClRecord d;
  ASSERT_TRUE(ParseClRecord(cl[11], d));  // D's first rapid: the second row of cells
  EXPECT_DOUBLE_EQ(d.Y, -1.5);
  EXPECT_EQ(Count(cl, "900 (NEXT PLATE)"), 2);  // after the first plate and after the last
  EXPECT_EQ(Count(cl, "901 Reset Home"), 2);
  EXPECT_EQ(cl[15], "901 Reset Home");  // E starts the second plate
}

TEST_F(MergeRunTest, RowThatCannotBeLaidOutIsReportedAndTheRestCut) {
  failOn = "BO";
  MergeData data = Rows({"ANN", "BO", "CY"});
  data.problems = {{5, "the field {Name} is empty"}};
  MergeOutcome out = RunMerge(job, options, data, stages);
  EXPECT_TRUE(out.complete);
  EXPECT_EQ(out.engraved, 2);
  ASSERT_EQ(out.problems.size(), 2u);
  EXPECT_EQ(out.problems[0].Text(), "Row 3: its text could not be laid out");
  EXPECT_EQ(ui.Texts(), Lines{"2 of 3 rows were not engraved: rows 3, 5"});
  EXPECT_NE(ui.Console(StatusChannel::General).find("Row 5: the field {Name} is empty"), std::string::npos);
  EXPECT_EQ(Count(ClLines(), "900 (BO)"), 0);
  EXPECT_TRUE(job.flags.ToolPathCreated);
}

TEST_F(MergeRunTest, CancelStopsAfterTheRowBeingCut) {
  ui.cancelAfter = 1;
  MergeOutcome out = RunMerge(job, options, Rows({"ANN", "BO", "CY"}), stages);
  EXPECT_TRUE(out.cancelled);
  EXPECT_FALSE(out.complete);
  EXPECT_EQ(out.engraved, 1);
  EXPECT_EQ(ClLines().back(), "-999");  // the file still ends where the run stopped
  EXPECT_EQ(ui.Texts(), Lines{"Merge Data was stopped after 1 rows"});
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

TEST_F(MergeRunTest, FilePerRowHandsOverEachRowAlone) {
  std::vector<Lines> files;
  stages.rowFinished = [&](Job& j, const MergeRow& row) {
    files.push_back(test::ReadLines(j.paths.CLFileName));
    return row.fileStem != "BO";  // BO's NC file cannot be written: the run ends there
  };
  MergeOutcome out = RunMerge(job, options, Rows({"ANN", "BO", "CY"}), stages);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].front(), "900 (ANN)");
  EXPECT_EQ(files[1].front(), "900 (BO)");
  EXPECT_EQ(files[1].back(), "-999");
  EXPECT_EQ(Count(files[1], "901 Reset Home"), 0);
  EXPECT_FALSE(out.complete);
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

TEST_F(MergeRunTest, RefusedToolPathEndsTheRun) {
  job.flags.ArtworkPresent = false;
  stages.toolPath.source = ToolPathSource::ArtworkOnly;
  MergeOutcome out = RunMerge(job, options, Rows({"ANN", "BO"}), stages);
  EXPECT_FALSE(out.complete);
  EXPECT_EQ(texts.size(), 1u);
  EXPECT_EQ(ui.Texts(), Lines{"Cannot Process ArtWork, No ArtWork has been Defined"});
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

TEST_F(MergeRunTest, TheProgramsOwnLayoutCutsEveryRow) {
  job.settings.BFONTTYPE = 1;
  job.settings.FONTNAME = "Liberation Sans";
  job.settings.OUTARCS = 0;
  stages.generateTextPath = GenerateSerialTextPath;
  ASSERT_TRUE(RunMerge(job, options, Rows({"ANN", "BO"}), stages).complete);
  Lines cl = ClLines();
  EXPECT_EQ(Count(cl, "900 (BO)"), 1);
  EXPECT_GT(cl.size(), 2u * 20);
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quill
