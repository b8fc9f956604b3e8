#include "toolpath/artwork_toolpath.h"

#include "toolpath/generate_toolpath.h"
#include "toolpath_fixture.h"

namespace quill {
namespace {

using ArtworkToolPathTest = ToolPathTest;

ToolPathOptions ArtworkOnly() {
  return {ToolPathSource::ArtworkOnly};
}

TEST_F(ArtworkToolPathTest, JoinedPiecesAreCutWithoutLiftingTheTool) {
  WriteArtwork(
      "1 0 0 1 0 0.0\r\n"
      "-1 0 0 0 0 0\r\n"                           // a kind the program does not know: passed over
      "1 1.0005 0.0004 1 1 0.0\r\n"                // starts within 0.001 of the last end
      "3 1 1.5 0.5 4.7123889804 1.5707963268\r\n"  // from (1, 1) round to (1, 2)
      "0 5 5 1 2 0.0\r\n"                          // a move cuts nothing
      "1 3 3 4 3 0.0\r\n"                          // a gap: up, across, down
      "2 4 2 1 1.5707963268 0\r\n");               // from (4, 3) clockwise to (5, 2)
  ASSERT_TRUE(GenerateToolPath(job, ArtworkOnly(), false));
  ExpectGolden(job.paths.CLFileName, "artwork.CL");
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 13u);
  EXPECT_EQ(cl[3], Cl(1, 1, 0, -0.05, 6));
  EXPECT_EQ(cl[4], Cl(1, 1, 1, -0.05, 6));
  EXPECT_EQ(cl[6].substr(0, 2), "0 ");  // up only where the gap is
  EXPECT_EQ(cl[7], Cl(0, 3, 3, 0.1, 0));
  EXPECT_EQ(cl[8], Cl(1, 3, 3, -0.05, 2));
}

TEST_F(ArtworkToolPathTest, ConvertedTextStrokesRunEndToStartAndLiftBetween) {
  // Each converted stroke starts at its own end point, so it never joins the last one's end.
  WriteArtwork("1 1 0 0 0 0.0\r\n1 2 0 1 0 0.0\r\n");
  ASSERT_TRUE(GenerateToolPath(job, ArtworkOnly(), false));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 10u);
  EXPECT_EQ(cl[3], Cl(1, 0, 0, -0.05, 6));
  EXPECT_EQ(cl[4], Cl(0, 0, 0, 0.1, 0));
  EXPECT_EQ(cl[5], Cl(0, 2, 0, 0.1, 0));
}

TEST_F(ArtworkToolPathTest, ArtworkWithoutCuttableRecordsWritesNoRetract) {
  WriteArtwork("0 1 1 0 0 0.0\r\n-1 0 0 0 0 0\r\nnot a record\r\n");
  ASSERT_TRUE(GenerateToolPath(job, ArtworkOnly(), false));
  EXPECT_EQ(ClLines(), (std::vector<std::string>{"5 0.0000000000000000", "-999"}));
}

TEST_F(ArtworkToolPathTest, ArtworkIsNeededButATextPathIsNot) {
  WriteArtwork("1 0 0 1 0 0.0\r\n");
  EXPECT_TRUE(GenerateToolPath(job, ArtworkOnly(), false));

  job.flags.ArtworkPresent = false;
  EXPECT_FALSE(GenerateToolPath(job, ArtworkOnly(), false));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot Process ArtWork, No ArtWork has been Defined"});
  EXPECT_EQ(ClLines(), std::vector<std::string>{"5 0.0000000000000000"});
  EXPECT_FALSE(job.flags.ToolPathCreated);
}

}  // namespace
}  // namespace quill
