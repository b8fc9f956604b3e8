// The TMG line format and TMG files into the artwork file.
#include "artwork/tmg_import.h"

#include "import_fixture.h"
#include "mathlib/constants.h"
#include "records/tmg_record.h"

namespace quill {
namespace {

TEST(TmgRecordTest, WritesTheConversionsForm) {
  EXPECT_EQ(FormatTmgRecord({TmgLine, 3, 7, 0, {1, 2, 9, 3.5, -4, 9, 0}}),
            "2 3 7 0 1.000000 2.000000 0.0 3.500000 -4.000000 0.0 0.0");
  EXPECT_EQ(FormatTmgRecord({TmgArc, 0, 1, 0, {2, 3, 1, 0, 0, 0, 360}}),
            "3 0 1 0 2.000000 3.000000 1.000000 0.0 0.0 0.000000 360.000000");
  EXPECT_EQ(FormatTmgRecord({TmgPoint, 1, 1, 0, {5, 6}}), "1 1 1 0 5.000000 6.000000 0.0 0.0 0.0 0.0 0.0");
  EXPECT_EQ(FormatTmgRecord({TmgEnd, 0, 0, 0, {}}), "-999 0 0 0 0.0 0.0 0.0 0.0 0.0 0.0 0.0");
}

TEST(TmgRecordTest, ReadsAnyNotationAndRefusesDamage) {
  TmgRecord rec;
  ASSERT_TRUE(ParseTmgRecord("  3 1 2 0 1e1 -2.5 .5 0 0 9.0E+1 180\r", rec));
  EXPECT_EQ(rec.kind, TmgArc);
  EXPECT_EQ(rec.r[0], 10);
  EXPECT_EQ(rec.r[2], 0.5);
  EXPECT_EQ(rec.r[6], 180);
  EXPECT_FALSE(ParseTmgRecord("2 1 2 0 1 2 3 4 5 6", rec));      // a real short
  EXPECT_FALSE(ParseTmgRecord("2.0 1 2 0 1 2 3 4 5 6 7", rec));  // a kind that is no whole number
  EXPECT_FALSE(ParseTmgRecord("2 1 2 0 1 2x 3 4 5 6 7", rec));
  EXPECT_FALSE(ParseTmgRecord("2 99999999999 2 0 1 2 3 4 5 6 7", rec));
}

class TmgImportTest : public ImportTest {};

TEST_F(TmgImportTest, LinesAndArcsBecomeArtworkPointsAndTheRestDoNot) {
  std::string tmg = Input("a.tmg",
                          "1 0 1 0 5.0 5.0 0.0 0.0 0.0 0.0 0.0\r\n"
                          "2 0 1 0 1.0 2.0 7.0 3.0 4.0 8.0 0.0\r\n"
                          "this line is damaged\r\n"
                          "3 0 1 0 2.0 0.0 1.0 0.0 0.0 0.0 90.0\r\n"
                          "5 0 1 0 1 1 1 1 1 1 1\r\n");  // no end record
  ImportResult r = ImportTmg(job, tmg, false);
  EXPECT_EQ(r.status, ImportResult::Done);
  EXPECT_EQ(r.records, 2);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  auto art = Artwork();
  ASSERT_EQ(art.size(), 2u);
  ExpectRecord(art[0], ArtLine, {1, 2, 3, 4, 0});
  ExpectRecord(art[1], ArtArcCcw, {2, 0, 1, 0, HalfPi}, 1e-10);
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName)[1],
            "3 2.0000000000 0.0000000000 1.0000000000 0.0000000000 1.5707963268");
}

TEST_F(TmgImportTest, ReadingStopsAtTheEndRecord) {
  std::string tmg = Input("b.tmg",
                          "2 0 1 0 0 0 0 1 1 0 0\n"
                          "-999 0 0 0 0.0 0.0 0.0 0.0 0.0 0.0 0.0\n"
                          "2 0 1 0 5 5 0 6 6 0 0\n");
  EXPECT_EQ(ImportTmg(job, tmg, false).records, 1);
}

TEST_F(TmgImportTest, AppendsToTheJobsArtworkOnlyWhenThereIsSome) {
  std::string tmg = Input("c.tmg", "2 0 1 0 0 0 0 1 1 0 0\n");
  test::WriteFile(job.paths.ArtFileName, "1 9 9 9 9 0.0\r\n");  // left over from an earlier run
  ImportTmg(job, tmg, false);
  EXPECT_EQ(Artwork().size(), 1u);  // the leftover is not the job's artwork
  ImportTmg(job, tmg, false);
  EXPECT_EQ(Artwork().size(), 2u);
  ImportTmg(job, tmg, true);
  EXPECT_EQ(Artwork().size(), 1u);
}

TEST_F(TmgImportTest, AFileThatCannotBeReadLeavesTheArtworkAlone) {
  std::string tmg = Input("d.tmg", "2 0 1 0 0 0 0 1 1 0 0\n");
  ImportTmg(job, tmg, false);
  EXPECT_EQ(ImportTmg(job, home.File("missing.tmg"), true).status, ImportResult::InputUnreadable);
  EXPECT_EQ(ImportTmg(job, home.path(), true).status, ImportResult::InputUnreadable);  // a folder
  EXPECT_EQ(ImportTmg(job, "/dev/zero", true).status, ImportResult::InputUnreadable);  // endless
  EXPECT_EQ(Artwork().size(), 1u);
}

}  // namespace
}  // namespace quill
