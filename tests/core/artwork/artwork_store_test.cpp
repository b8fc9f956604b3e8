#include "artwork/artwork_store.h"

#include <gtest/gtest.h>

#include "job/job.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class ArtworkStoreTest : public ::testing::Test {
 protected:
  ArtworkStoreTest() : job(ui) { BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/"); }

  void WriteTextPath(const std::vector<TextPathRecord>& recs) {
    TextPathWriter out(job.paths.TextPathFileName);
    for (const auto& r : recs) out.Write(r);
    job.flags.TextPathGenerated = true;
  }

  std::vector<std::string> Art() { return test::ReadLines(job.paths.ArtFileName); }

  test::TempDir home;
  TestUi ui;
  Job job;
};

TEST_F(ArtworkStoreTest, AStraightStrokeBecomesAMoveAndALineRunningBack) {
  WriteTextPath({{TpCharStart, 'I', 0, 0, 0, 0, 0},
                 {TpBoxHigh, 0, 10, 20, 0, 0, 0},
                 {TpMove, 0, 0, 0, 0, 0, 0},
                 {TpLine, 0, 1, 0, 0, 0, 0},
                 {TpCharEnd, 0, 0, 0, 0, 0, 0}});
  ASSERT_TRUE(ConvertTextPathToArtwork(job));
  EXPECT_EQ(Art(), (std::vector<std::string>{"0 0.0000000000 0.0000000000 0.0000000000 0.0000000000 0.0",
                                             "1 1.0000000000 0.0000000000 0.0000000000 0.0000000000 0.0"}));
  EXPECT_FALSE(job.flags.TextPathGenerated);
  EXPECT_TRUE(job.flags.ArtworkPresent);
}

TEST_F(ArtworkStoreTest, ArcsKeepTheirDirectionFromTheLastPoint) {
  WriteTextPath({{TpMove, 0, 1, 0, 0, 0, 0}, {TpArcCcw, 0, 0, 1, 1, 0, 0}, {TpArcCw, 0, 1, 0, 1, 0, 0}});
  ASSERT_TRUE(ConvertTextPathToArtwork(job));
  auto art = Art();
  ASSERT_EQ(art.size(), 3u);
  EXPECT_EQ(art[0], "0 1.0000000000 0.0000000000 0.0000000000 0.0000000000 0.0");
  EXPECT_EQ(art[1], "3 0.0000000000 0.0000000000 1.0000000000 0.0000000000 1.5707963268");
  EXPECT_EQ(art[2], "2 0.0000000000 0.0000000000 1.0000000000 1.5707963268 0.0000000000");
}

TEST_F(ArtworkStoreTest, ConversionAppendsToArtworkAndStartsAfreshWithout) {
  test::WriteFile(job.paths.ArtFileName, "1 5 5 6 6 0.0\r\n");
  WriteTextPath({{TpMove, 0, 2, 2, 0, 0, 0}});
  job.flags.ArtworkPresent = true;
  ASSERT_TRUE(ConvertTextPathToArtwork(job));
  EXPECT_EQ(Art().size(), 2u);

  WriteTextPath({{TpMove, 0, 2, 2, 0, 0, 0}});
  job.flags.ArtworkPresent = false;  // what the file holds is no artwork of this job
  ASSERT_TRUE(ConvertTextPathToArtwork(job));
  EXPECT_EQ(Art().size(), 1u);
}

TEST_F(ArtworkStoreTest, NothingHappensWithoutATextPathOrAWritableFile) {
  EXPECT_FALSE(ConvertTextPathToArtwork(job));
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
  EXPECT_TRUE(ui.messages.empty());

  WriteTextPath({{TpMove, 0, 2, 2, 0, 0, 0}});
  job.paths.ArtFileName = home.File("gone/QUILLART.TMP");
  EXPECT_FALSE(ConvertTextPathToArtwork(job));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Art File access error #2 [" + job.paths.ArtFileName + "]"});
  EXPECT_TRUE(job.flags.TextPathGenerated);  // not consumed
  EXPECT_FALSE(job.flags.ArtworkPresent);
}

TEST_F(ArtworkStoreTest, DeleteAllArtworkAsksFirst) {
  EXPECT_FALSE(DeleteAllArtwork(job));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"No Artwork to Delete"});

  test::WriteFile(job.paths.ArtFileName, "1 0 0 1 1 0.0\r\n");
  job.flags.ArtworkPresent = true;
  ui.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(DeleteAllArtwork(job));
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_EQ(ui.messages.back().text, "Do you really want to Delete All Artwork");
  EXPECT_EQ(ui.messages.back().buttons, unsigned{BtnYesNo});
  EXPECT_TRUE(DeleteAllArtwork(job));
  EXPECT_FALSE(job.flags.ArtworkPresent);
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
}

TEST_F(ArtworkStoreTest, WritersSetTheFlagOnlyWhenTheRecordsAreDown) {
  ArtWriter out;
  ASSERT_TRUE(OpenArtwork(job, out, ArtworkWrite::Append));
  out.Line(0, 0, 1, 1);
  EXPECT_FALSE(job.flags.ArtworkPresent);
  EXPECT_TRUE(CloseArtwork(job, out));
  EXPECT_TRUE(job.flags.ArtworkPresent);
  ASSERT_TRUE(OpenArtwork(job, out, ArtworkWrite::Replace));
  EXPECT_TRUE(CloseArtwork(job, out));
  EXPECT_TRUE(Art().empty());
}

}  // namespace
}  // namespace quill
