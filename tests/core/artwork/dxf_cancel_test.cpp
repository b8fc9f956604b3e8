// Cancel in the import's progress window: the drawing is left unimported, the artwork, the text path,
// the editor's text and the engraving settings stay as they were.
#include <string>

#include "artwork/import_artwork.h"
#include "dxf_fixture.h"
#include "textpath/generate_text_path.h"

namespace quill {
namespace {

class DxfCancelTest : public DxfTest {
 protected:
  // Texts first, then enough lines that the conversion shows its progress twice.
  std::string BigDrawing() {
    DxfGroups d;
    for (int i = 0; i < 5; ++i) d(0, "TEXT")(8, "0").Point(10, i, 1)(40, 0.5)(1, "AB");
    for (int i = 0; i < 3000; ++i) d.Line(i, 0, i, 1);
    std::string path = Input("big.dxf", Drawing(d));
    scanSteps = static_cast<long>((test::ReadFile(path).size() + 16383) / 16384);  // the line-ending scan's
    return path;
  }

  ImportResult Import(const std::string& dxf) {
    DxfImportWindows windows;
    windows.status = &status;
    return ImportArtwork(job, dxf, options, windows);
  }

  // The operator's artwork (one line) and text path.
  void OperatorsWork() {
    ArtWriter art(job.paths.ArtFileName, false);
    art.Line(5, 5, 6, 6);
    ASSERT_TRUE(art.Close());
    job.flags.ArtworkPresent = true;
    job.text = {"XY"};
    ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
    job.flags.TextPathGenerated = true;
    job.flags.ProjectModified = false;
  }

  DxfImportOptions options;
  long scanSteps = 0;
};

TEST_F(DxfCancelTest, CancelWhileConvertingKeepsTheOperatorsWork) {
  OperatorsWork();
  const std::string artBefore = test::ReadFile(job.paths.ArtFileName);
  const std::string textPathBefore = test::ReadFile(job.paths.TextPathFileName);
  const std::string xstart = job.settings.XSTART;
  std::string dxf = BigDrawing();
  ui.cancelAfter = scanSteps + 1;  // the second step of the conversion, after the texts
  ImportResult r = Import(dxf);
  EXPECT_EQ(r.status, ImportResult::Cancelled);
  EXPECT_EQ(r.dxfCode, DxfCancelled);
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Text)], 5);  // the texts had been engraved
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), artBefore);
  EXPECT_EQ(test::ReadFile(job.paths.TextPathFileName), textPathBefore);
  EXPECT_TRUE(job.flags.TextPathGenerated);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_FALSE(job.flags.ProjectModified);
  EXPECT_EQ(job.text, std::vector<std::string>{"XY"});
  EXPECT_EQ(job.settings.XSTART, xstart);
  EXPECT_TRUE(Listed("Import Cancelled, Artwork Unchanged"));
  EXPECT_EQ(status.operation, "Import Cancelled");
  EXPECT_TRUE(status.finished);

  // The same drawing imports whole afterwards.
  ui.cancelAfter = -1;
  EXPECT_EQ(Import(dxf).status, ImportResult::Done);
  EXPECT_GT(Artwork().size(), 3001u);
}

TEST_F(DxfCancelTest, WithoutAnEarlierTextPathTheTextsLeaveNone) {
  std::string dxf = BigDrawing();
  ui.cancelAfter = scanSteps + 1;
  EXPECT_EQ(Import(dxf).status, ImportResult::Cancelled);
  EXPECT_FALSE(test::FileExists(job.paths.TextPathFileName));
  EXPECT_FALSE(job.flags.TextPathGenerated);
  EXPECT_FALSE(job.flags.ArtworkPresent);
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
}

TEST_F(DxfCancelTest, CancelDuringTheLineEndingScanStopsBeforeAnything) {
  OperatorsWork();
  const std::string artBefore = test::ReadFile(job.paths.ArtFileName);
  std::string dxf = BigDrawing();
  ui.cancelAfter = 0;
  EXPECT_EQ(Import(dxf).status, ImportResult::Cancelled);
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Lines)], 0);
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), artBefore);
  EXPECT_TRUE(job.flags.TextPathGenerated);
  EXPECT_TRUE(Listed("Import Cancelled, Artwork Unchanged"));
}

}  // namespace
}  // namespace quill
