// Opening the workshop on the artwork file, saving to it and closing with each answer.
#include "artwork/workshop/artwork_file.h"

#include <filesystem>

#include "artwork/workshop/edit_commands.h"
#include "artwork/workshop/selection.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

class ArtworkFileTest : public WorkshopTest {
 protected:
  void WriteArtwork(const std::string& text) {
    test::WriteFile(job.paths.ArtFileName, text);
    job.flags.ArtworkPresent = true;
  }
};

TEST_F(ArtworkFileTest, OpeningReadsLinesAndArcsOfBothDirectionsOnly) {
  WriteArtwork(
      "0 1.0 1.0 0.0 0.0 0.0\r\n"
      "1 0.0 0.0 2.0 0.0 0.0\r\n"
      "-1 0 0 0 0 0\r\n"
      "2 1.0 1.0 2.0 0.0 1.5\r\n"
      "damaged line\r\n"
      "3 5000 -7 1e0 0.5 6.2831853072\r\n");
  OpenWorkshop(job, doc);
  ASSERT_EQ(doc.Size(), 3u);
  EXPECT_TRUE(doc.loaded);
  ExpectLine(doc.At(0), 0, 0, 2, 0);
  EXPECT_TRUE(doc.At(1).IsArc());
  EXPECT_FALSE(doc.At(1).IsCCW());
  EXPECT_DOUBLE_EQ(doc.At(1).FA(), 1.5);
  EXPECT_TRUE(doc.At(2).IsCCW());
  EXPECT_DOUBLE_EQ(doc.At(2).X(), 5000);
  // The view shows the extents, far from the origin included.
  EXPECT_GT(doc.window.Xmax, 5001);
  EXPECT_LT(doc.window.Xmin, -1);
}

TEST_F(ArtworkFileTest, SavingWritesKindsOneTwoThreeAndNoPoints) {
  Fill({Line(0, 0, 2, 0), Point(4, 4), Arc(2, 0, 1, 0, Pi, true), Arc(0, 0, 0.5, HalfPi, 0, false)});
  ASSERT_TRUE(SaveArtwork(job, doc));
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName),
            "1 0.0000000000 0.0000000000 2.0000000000 0.0000000000 0.0\r\n"
            "3 2.0000000000 0.0000000000 1.0000000000 0.0000000000 3.1415926536\r\n"
            "2 0.0000000000 0.0000000000 0.5000000000 1.5707963268 0.0000000000\r\n");
  // Nothing is left beside it.
  size_t files = 0;
  for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(home.path())) ++files;
  EXPECT_EQ(files, 1u);
}

TEST_F(ArtworkFileTest, CloseWithYesSavesAndNoKeepsTheFile) {
  const std::string original = "1 0.0 0.0 1.0 0.0 0.0\r\n";
  WriteArtwork(original);
  OpenWorkshop(job, doc);
  SelectAll(doc);
  MoveSelected(ui, doc, 1, 1);
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(CloseWorkshop(job, doc));
  EXPECT_TRUE(doc.loaded);
  EXPECT_EQ(ui.messages.back().text, "Save Changes to Artwork");
  EXPECT_EQ(ui.messages.back().buttons, static_cast<unsigned>(BtnYesNoCancel));

  ui.answers = {Answer::No};
  EXPECT_TRUE(CloseWorkshop(job, doc));
  EXPECT_FALSE(doc.loaded);
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), original);
  // The next opening shows the file's drawing.
  OpenWorkshop(job, doc);
  ExpectLine(doc.At(0), 0, 0, 1, 0);

  SelectAll(doc);
  MoveSelected(ui, doc, 0, 3);
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(CloseWorkshop(job, doc));
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName)[0], "1 0.0000000000 3.0000000000 1.0000000000 3.0000000000 0.0");
}

TEST_F(ArtworkFileTest, ReopeningWhileLoadedKeepsTheEdits) {
  WriteArtwork("1 0.0 0.0 1.0 0.0 0.0\r\n");
  OpenWorkshop(job, doc);
  SelectAll(doc);
  DeleteSelected(doc);
  OpenWorkshop(job, doc);
  EXPECT_TRUE(doc.Empty());
  EXPECT_TRUE(doc.CanUndo());
}

TEST_F(ArtworkFileTest, WithoutArtworkTheDrawingStartsEmpty) {
  test::WriteFile(job.paths.ArtFileName, "1 0.0 0.0 1.0 0.0 0.0\r\n");  // left over: Delete All Artwork
  job.flags.ArtworkPresent = false;
  OpenWorkshop(job, doc);
  EXPECT_TRUE(doc.Empty());
  EXPECT_EQ(doc.window.Xmin, DefaultWorkshopWindow.Xmin);
}

TEST_F(ArtworkFileTest, ASaveThatFailsKeepsTheWorkshopOpen) {
  job.paths.ArtFileName = home.File("missing/QUILLART.TMP");
  Fill({Line(0, 0, 1, 0)});
  doc.loaded = true;
  ui.answers = {Answer::Yes};
  EXPECT_FALSE(CloseWorkshop(job, doc));
  EXPECT_TRUE(doc.loaded);
  EXPECT_EQ(doc.Size(), 1u);
  EXPECT_FALSE(job.flags.ArtworkPresent);
  EXPECT_NE(ui.messages.back().text.find("Art File access error"), std::string::npos);
}

}  // namespace
}  // namespace quill
