#include "artwork/hpgl_import.h"

#include "import_fixture.h"

namespace quill {
namespace {

class HpglImportTest : public ImportTest {
 protected:
  std::vector<ArtRecord> Plot(const std::string& hpgl) {
    ImportResult r = ImportHpgl(job, Input("plot.plt", hpgl));
    EXPECT_EQ(r.status, ImportResult::Done);
    return Artwork();
  }
};

TEST_F(HpglImportTest, PenDownStrokesBecomeLinesFromTheirEnd) {
  auto art = Plot("IN; SP1; PU0,0; PD1000,0,1000,1000; PU;");
  ASSERT_EQ(art.size(), 2u);
  ExpectRecord(art[0], ArtLine, {1, 0, 0, 0, 0});
  ExpectRecord(art[1], ArtLine, {1, 1, 1, 0, 0});
  EXPECT_TRUE(job.flags.ArtworkPresent);
}

TEST_F(HpglImportTest, RelativePairsAddToThePosition) {
  auto art = Plot("PD;PR100,0,0,100;");
  ASSERT_EQ(art.size(), 2u);
  ExpectRecord(art[0], ArtLine, {0.1, 0, 0, 0});
  ExpectRecord(art[1], ArtLine, {0.1, 0.1, 0.1, 0});
}

TEST_F(HpglImportTest, OnlyUpperCasePenCommandsDraw) {
  EXPECT_TRUE(Plot("pd100,100;pu;").empty());
  EXPECT_TRUE(Plot("PU0,0;CI500;AA0,0,90;AR100,100,45;").empty());
}

TEST_F(HpglImportTest, LabelsAndPenNumbersArePassedOver) {
  // The label's letters would otherwise read as a pen-down command.
  auto art = Plot("SP2;PU0,0;LBPD5000,5000\x03PD1000,0;");
  ASSERT_EQ(art.size(), 1u);
  ExpectRecord(art[0], ArtLine, {1, 0, 0, 0});
  EXPECT_TRUE(Plot("PU0,0;LBno end of text PD100,100").empty());
}

TEST_F(HpglImportTest, PenCommandsRunOnAndLoneNumbersAreDropped) {
  auto art = Plot("PU0,0PD1000,0PU2000,0PD2000,1000;PA500;PD0,0;");
  ASSERT_EQ(art.size(), 3u);
  ExpectRecord(art[1], ArtLine, {2, 1, 2, 0});
  ExpectRecord(art[2], ArtLine, {0, 0, 2, 1});  // 500 alone paired with nothing
}

TEST_F(HpglImportTest, BlanksSeparateNumbersAndDamagedNumbersAreSkipped) {
  auto art = Plot("PU 0 0;PD 1000 0, 1000 1000;PD1.2.3,7,500,500;");
  ASSERT_EQ(art.size(), 3u);
  ExpectRecord(art[1], ArtLine, {1, 1, 1, 0});
  ExpectRecord(art[2], ArtLine, {0.007, 0.5, 1, 1});
  EXPECT_TRUE(Plot("PD" + std::string(5000, '9') + ",1;").empty());
}

TEST_F(HpglImportTest, AFileThatCannotBeReadLeavesTheArtworkAlone) {
  Plot("PD1000,0;");
  EXPECT_EQ(ImportHpgl(job, home.File("none.plt")).status, ImportResult::InputUnreadable);
  EXPECT_EQ(Artwork().size(), 1u);
}

}  // namespace
}  // namespace quill
