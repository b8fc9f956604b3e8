// Damaged, truncated, endless and odd drawings: the import ends, writes only its artwork and leaves no
// scratch file behind.
#include <stdlib.h>

#include <filesystem>

#include "artwork/dxf_import.h"
#include "dxf_fixture.h"

namespace quill {
namespace {

class DxfBadInputTest : public DxfTest {
 protected:
  // A drawing of a block big enough to go to a scratch file, inserted twice, and a text.
  static std::string BigBlockDrawing() {
    DxfGroups d;
    d.Begin("BLOCKS")(0, "BLOCK")(2, "BIG").Point(10, 0, 0);
    for (int i = 0; i < 2000; ++i) d.Line(i, 0, i, 1);
    d(0, "ENDBLK").End().Begin("ENTITIES");
    d(0, "INSERT")(2, "BIG").Point(10, 0, 0)(0, "INSERT")(2, "BIG").Point(10, 0, 5);
    d(0, "TEXT").Point(10, 0, 0)(40, 1.0)(1, "A").End()(0, "EOF");
    return d.str();
  }
};

TEST_F(DxfBadInputTest, MissingSectionsGiveWhatIsThere) {
  for (const std::string& dxf : {std::string(), std::string("0\nEOF\n"), DxfGroups().Begin("HEADER").End().str(),
                                 DxfGroups().Begin("TABLES")(0, "TABLE")(2, "LAYER")(0, "LAYER")(2, "A").str(),
                                 DxfGroups().Begin("BLOCKS")(0, "BLOCK")(2, "B").Line(0, 0, 1, 1).str()}) {
    EXPECT_TRUE(Convert(dxf).empty());
    EXPECT_EQ(code, DxfDone);
    EXPECT_EQ(status.version, "Unknown");
    EXPECT_TRUE(status.finished);
  }
  // Entities count only after the name of their section.
  EXPECT_EQ(Convert(DxfGroups().Line(0, 0, 1, 1).str()).size(), 0u);
  EXPECT_EQ(Convert(DxfGroups()(2, "ENTITIES").Line(0, 0, 1, 1).str()).size(), 1u);
}

TEST_F(DxfBadInputTest, TruncatedAnywhereTheDrawingStillEnds) {
  DxfGroups d;
  d.Begin("TABLES")(0, "TABLE")(2, "LAYER")(0, "LAYER")(2, "A")(62, "1")(0, "ENDTAB").End();
  d.Begin("BLOCKS")(0, "BLOCK")(2, "B").Point(10, 0, 0).Line(0, 0, 1, 1)(0, "ENDBLK").End();
  d.Begin("ENTITIES")(0, "INSERT")(2, "B").Point(10, 5, 5)(0, "LWPOLYLINE")(10, 0.0)(20, 0.0)(42, 1.0)(10, 2.0)(20,
                                                                                                                0.0);
  d(0, "POLYLINE")(70, "4")(0, "VERTEX").Point(10, 0, 0)(70, "16")(0, "VERTEX").Point(10, 1, 1)(70, "16");
  d(0, "SEQEND")(0, "SPLINE")(73, "3").Point(10, 0, 0).Point(10, 1, 2).Point(10, 2, 0).End()(0, "EOF");
  const std::string& whole = d.str();
  for (size_t cut = 0; cut <= whole.size(); cut += 17) {
    Convert(whole.substr(0, cut));
    EXPECT_EQ(code, DxfDone) << cut;
  }
  EXPECT_GT(Convert(whole).size(), 10u);
}

TEST_F(DxfBadInputTest, DamagedCodesAndNumbersCountAsZero) {
  auto tmg = Convert(Drawing(DxfGroups()(0, "LINE")(8, "0")(10, "nan")(20, "inf")(11, "1e999")(21, "2").Raw(
      "1 0\nnot a code\n")(0, "LINE")(10, "1")(11, "-0x1p3")(21, "5")));
  ASSERT_EQ(tmg.size(), 2u);
  ExpectTmg(tmg[0], TmgLine, {0, 0, 0, 0, 2});
  ExpectTmg(tmg[1], TmgLine, {1, 0, 0, 0, 5});
}

TEST_F(DxfBadInputTest, EndlessLinesAndFilesThatNeverEnd) {
  // A line of two megabytes is cut to its first few thousand characters, not held whole.
  auto tmg = Convert(Drawing(DxfGroups()(0, "TEXT")(1, std::string(2 << 20, 'x'))(40, 0.0).Line(0, 0, 1, 1)));
  ASSERT_EQ(tmg.size(), 1u);
  UiDxfStatus unused(ui);
  EXPECT_EQ(DxfToTmg(job, "/dev/zero", home.File("z.tmg"), {}, unused), DxfCannotOpen);
  EXPECT_EQ(DxfToTmg(job, home.path(), home.File("z.tmg"), {}, unused), DxfCannotOpen);
  EXPECT_EQ(DxfToTmg(job, Input("a.dxf", "0\nEOF\n"), home.File("no/such/folder.tmg"), {}, unused), DxfCannotCreate);
}

TEST_F(DxfBadInputTest, ScratchFilesGoToAPrivateFolderAndAreRemovedOnEveryWayOut) {
  test::TempDir tmp;
  const char* saved = std::getenv("TMPDIR");
  std::string savedValue = saved ? saved : "";
  ::setenv("TMPDIR", tmp.path().c_str(), 1);
  test::WriteFile(job.paths.DxfTextProject,
                  "$QUILLVER\r\n7.0100\r\n$ARTFILE\r\n1\r\n$ARTTAB\r\n1 5 5 6 6 0.0\r\n$ENDTAB\r\n");
  DxfImportOptions options;
  ImportResult done = ImportDxf(job, Input("big.dxf", BigBlockDrawing()), true, options);
  ImportResult binary = ImportDxf(job, Input("bin.dxf", "AutoCAD Binary DXF\r\n"), true, options);
  if (saved) {
    ::setenv("TMPDIR", savedValue.c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
  EXPECT_EQ(done.status, ImportResult::Done);
  EXPECT_EQ(done.records, 4000);
  EXPECT_EQ(binary.dxfCode, DxfBinary);
  EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
  // Beside the drawings the home holds only the job's work files: no DXFTMP.TMG, block file or Unix copy.
  for (const auto& entry : std::filesystem::directory_iterator(home.path())) {
    std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "big.dxf" || name == "bin.dxf" || name == "DXFTXT.QLM" || name == "QUILLART.TMP" ||
                (name.rfind("QM", 0) == 0 && name.ends_with(".TMP")))
        << name;
  }
}

}  // namespace
}  // namespace quill
