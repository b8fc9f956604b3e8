// Texts of a drawing: their "%%" sequences and the settings they are engraved with.
#include "artwork/dxf_text.h"

#include <algorithm>
#include <cmath>

#include "artwork/import_artwork.h"
#include "dxf_fixture.h"

namespace quill {
namespace {

TEST(DxfTextDecodeTest, PercentSequencesBecomeTheFontsCharacters) {
  EXPECT_EQ(DecodeDxfText("50%%d"), "50\x7f");
  EXPECT_EQ(DecodeDxfText("%%c12"),
            "\x81"
            "12");
  EXPECT_EQ(DecodeDxfText("%%065%%066"), "AB");
  EXPECT_EQ(DecodeDxfText("%%uunder%%u line"), "under line");
  EXPECT_EQ(DecodeDxfText("%%D %%C"), " ");  // upper case is not recognised: dropped with the sequence
  EXPECT_EQ(DecodeDxfText("%%1x5end"), "end");
  EXPECT_EQ(DecodeDxfText("%%999"), "");
  EXPECT_EQ(DecodeDxfText("a%%12"), "a");
  EXPECT_EQ(DecodeDxfText("100%"), "100%");
  EXPECT_EQ(DecodeDxfText("end%%"), "end");
}

class DxfTextTest : public DxfTest {
 protected:
  // A text at (2, 3), 0.5 high, turned 30 degrees, leaning 10, with the given justification.
  std::string OneText(const std::string& text, int justify = 0) {
    DxfGroups d;
    d(0, "TEXT")(8, "0").Point(10, 2, 3)(40, 0.5)(1, text)(50, 30.0)(51, 10.0)(72, std::to_string(justify));
    if (justify) d.Point(11, 4, 5);
    return Drawing(d);
  }
  // DXFTXT.QLM: the engraving font of drawing texts, and artwork and text of its own.
  void TextProject(const std::string& font) {
    test::WriteFile(job.paths.DxfTextProject,
                    "$QUILLVER\r\n7.0100\r\n$BFONTTYPE\r\n0\r\n$WFONTNAME\r\n" + font +
                        "\r\n$ARTFILE\r\n1\r\n$ARTTAB\r\n1 5 5 6 6 0.0\r\n$ENDTAB\r\n$BEGINTEXT\r\nproject text\r\n");
  }
};

TEST_F(DxfTextTest, TextSetsTheEngravingSettingsAndKeepsTheEditorsText) {
  job.text = {"operator's text"};
  TextProject("NOSUCHFONT.QXF");
  Convert(OneText("50%%d"));
  EXPECT_EQ(job.settings.XSTART, "2.000000000000000");
  EXPECT_EQ(job.settings.YSTART, "3.000000000000000");
  EXPECT_EQ(job.settings.TEXTHIGH, "0.500000000000000");
  EXPECT_EQ(job.settings.TANGLE, "30.000000000000000");
  EXPECT_EQ(job.settings.TILTANG, "10.000000000000000");
  EXPECT_EQ(job.settings.CHRSPACE, "0.062500000000000");
  EXPECT_EQ(job.settings.WSPACE, "0.062500000000000");
  EXPECT_EQ(job.settings.TJUST, JustLeft);
  EXPECT_EQ(job.settings.BFONTTYPE, 0);  // from DXFTXT.QLM
  EXPECT_EQ(job.paths.EngraveFontFile, "NOSUCHFONT.QXF");
  EXPECT_EQ(job.text, std::vector<std::string>{"operator's text"});
  EXPECT_FALSE(job.flags.ArtworkPresent);  // DXFTXT.QLM's artwork is not the job's
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Text)], 1);
}

TEST_F(DxfTextTest, CentredAndRightTextsStandAtTheirSecondPoint) {
  TextProject("NOSUCHFONT.QXF");
  Convert(OneText("x", 1));
  EXPECT_EQ(job.settings.TJUST, JustCenter);
  EXPECT_EQ(job.settings.XSTART, "4.000000000000000");
  Convert(OneText("x", 2));
  EXPECT_EQ(job.settings.TJUST, JustRight);
  EXPECT_EQ(job.settings.XEND, "4.000000000000000");
  EXPECT_EQ(job.settings.YEND, "5.000000000000000");
  EXPECT_EQ(job.settings.TTYPE, ModeLinear);
}

TEST_F(DxfTextTest, AMissingFontIsReportedOnceNotForEveryText) {
  TextProject("NOSUCHFONT.QXF");
  DxfGroups d;
  for (int i = 0; i < 5; ++i) d(0, "TEXT")(8, "0").Point(10, i, 0)(40, 0.5)(1, "abc");
  d(0, "TEXT")(8, "0").Point(10, 0, 0)(40, 0.0)(1, "no height");
  Convert(Drawing(d));
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Text)], 5);
}

TEST_F(DxfTextTest, TheDegreeSignIsEngravedInTheFontDxftxtChooses) {
  TextProject("SIMPLEX.QXF");
  auto arcsAtDegreeHeight = [&](const std::string& text) {
    DxfGroups d;
    d(0, "TEXT")(8, "0").Point(10, 0, 0)(40, 1.0)(1, text);
    DxfImportOptions options;
    EXPECT_EQ(ImportArtwork(job, Input("t.dxf", Drawing(d)), options).status, ImportResult::Done);
    auto art = Artwork();
    // The font's degree sign is a small circle, two clockwise halves, at the top of the letters.
    return std::count_if(art.begin(), art.end(), [](const ArtRecord& r) {
      return r.kind == ArtArcCw && std::fabs(r.v[1] - 0.85) < 1e-6 && std::fabs(r.v[2] - 0.15) < 1e-6;
    });
  };
  EXPECT_EQ(arcsAtDegreeHeight("50"), 0);
  EXPECT_EQ(arcsAtDegreeHeight("50%%d"), 2);
  EXPECT_EQ(arcsAtDegreeHeight("50%%D"), 0);  // upper case is not the degree sign
}

TEST_F(DxfTextTest, TextsInABlockTurnAndGrowWithTheirInsert) {
  TextProject("NOSUCHFONT.QXF");
  DxfGroups d;
  d.Begin("BLOCKS")(0, "BLOCK")(2, "T").Point(10, 0, 0)(0, "TEXT").Point(10, 1, 0)(40, 0.5)(1, "a")(0, "ENDBLK").End();
  d.Begin("ENTITIES")(0, "INSERT")(2, "T").Point(10, 10, 10)(41, 2.0)(42, 2.0)(50, 90.0).End();
  Convert(d.str());
  EXPECT_EQ(job.settings.XSTART, "10.000000000000000");
  EXPECT_EQ(job.settings.YSTART, "12.000000000000000");
  EXPECT_EQ(job.settings.TEXTHIGH, "1.000000000000000");
  EXPECT_EQ(job.settings.TANGLE, "90.000000000000000");
}

}  // namespace
}  // namespace quill
