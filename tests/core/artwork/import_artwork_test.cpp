// The Import-Artwork command: the name chooses the format; a drawing's texts become artwork too.
#include "artwork/import_artwork.h"

#include <algorithm>
#include <cmath>

#include "dxf_fixture.h"
#include "textpath/generate_text_path.h"

namespace quill {
namespace {

TEST(ImportArtworkFormatTest, TheNameChoosesTmgThenDxfThenHpgl) {
  EXPECT_EQ(ArtworkFormatOf("parts.tmg"), ArtworkFormat::Tmg);
  EXPECT_EQ(ArtworkFormatOf("parts.TMG.DXF"), ArtworkFormat::Tmg);
  EXPECT_EQ(ArtworkFormatOf("/a/b.DXF"), ArtworkFormat::Dxf);
  EXPECT_EQ(ArtworkFormatOf("b.dxf"), ArtworkFormat::Dxf);
  EXPECT_EQ(ArtworkFormatOf("b.Dxf"), ArtworkFormat::Hpgl);
  EXPECT_EQ(ArtworkFormatOf("plot.plt"), ArtworkFormat::Hpgl);
}

class ImportArtworkTest : public DxfTest {
 protected:
  DxfImportOptions options;
};

TEST_F(ImportArtworkTest, DrawingTextsBecomeArtworkAfterTheGeometry) {
  std::string dxf =
      Input("sign.dxf", Drawing(DxfGroups().Line(0, 0, 1, 0)(0, "TEXT")(8, "0").Point(10, 0, 1)(40, 0.5)(1, "I")));
  ImportResult r = ImportArtwork(job, dxf, options);
  EXPECT_EQ(r.status, ImportResult::Done);
  EXPECT_EQ(r.records, 1);
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_FALSE(job.flags.TextPathGenerated);  // consumed by the conversion
  auto art = Artwork();
  ASSERT_GT(art.size(), 2u);
  ExpectRecord(art[0], ArtLine, {0, 0, 1, 0});
  EXPECT_EQ(art[1].kind, ArtMove);  // the letter's strokes follow
}

TEST_F(ImportArtworkTest, ADrawingWithoutTextsLeavesTheOperatorsTextPath) {
  job.text = {"AB"};
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  job.flags.TextPathGenerated = true;
  ImportResult r = ImportArtwork(job, Input("plate.dxf", Drawing(DxfGroups().Line(0, 0, 1, 0))), options);
  EXPECT_EQ(r.status, ImportResult::Done);
  EXPECT_EQ(r.texts, 0);
  EXPECT_TRUE(job.flags.TextPathGenerated);
  EXPECT_EQ(Artwork().size(), 1u);
}

TEST_F(ImportArtworkTest, TmgIsAppendedAndHpglReplaces) {
  std::string tmg = Input("a.tmg", "2 0 1 0 0 0 0 1 1 0 0\n");
  ImportArtwork(job, tmg, options);
  ImportArtwork(job, tmg, options);
  EXPECT_EQ(Artwork().size(), 2u);
  ImportArtwork(job, Input("a.plt", "PD1000,0;"), options);
  EXPECT_EQ(Artwork().size(), 1u);
}

TEST_F(ImportArtworkTest, CancelledOptionsChangeNothing) {
  std::string dxf = Input("a.dxf", Drawing(DxfGroups().Line(0, 0, 1, 0)));
  DxfImportWindows windows;
  windows.options = [](DxfImportOptions&) { return false; };
  EXPECT_EQ(ImportArtwork(job, dxf, options, windows).status, ImportResult::Cancelled);
  EXPECT_FALSE(job.flags.ProjectModified);
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
}

TEST_F(ImportArtworkTest, TheOptionsChooseReplaceArcsAndTolerance) {
  std::string tmg = Input("a.tmg", "2 0 1 0 0 0 0 1 1 0 0\n");
  ImportArtwork(job, tmg, options);
  DxfGroups d;
  d(0, "POLYLINE")(70, "4");
  for (int i = 0; i <= 6; ++i) d(0, "VERTEX").Point(10, std::cos(i * 0.4), std::sin(i * 0.4))(70, "16");
  d(0, "SEQEND");
  std::string dxf = Input("curve.dxf", Drawing(d));
  DxfImportWindows windows;
  windows.options = [](DxfImportOptions& o) {
    o.CBReplace = false;
    o.Barcs = true;
    o.CUTTOL = "0.01";
    return true;
  };
  ImportArtwork(job, dxf, options, windows);
  auto art = Artwork();
  ExpectRecord(art[0], ArtLine, {0, 0, 1, 1});  // kept: not replaced
  EXPECT_TRUE(std::any_of(art.begin(), art.end(), [](const ArtRecord& r) { return r.kind == ArtArcCcw; }));
  EXPECT_EQ(options.CUTTOL, "0.01");  // the window's values stay for the next import
}

TEST_F(ImportArtworkTest, BinaryAndMissingDrawingsLeaveTheArtworkAlone) {
  ImportArtwork(job, Input("a.tmg", "2 0 1 0 0 0 0 1 1 0 0\n"), options);
  ImportResult r = ImportArtwork(job, Input("bin.dxf", "AutoCAD Binary DXF\r\n\x1a\0garbage"), options);
  EXPECT_EQ(r.status, ImportResult::NotConverted);
  EXPECT_EQ(r.dxfCode, DxfBinary);
  EXPECT_EQ(ImportArtwork(job, home.File("none.dxf"), options).status, ImportResult::InputUnreadable);
  EXPECT_EQ(Artwork().size(), 1u);
}

}  // namespace
}  // namespace quill
