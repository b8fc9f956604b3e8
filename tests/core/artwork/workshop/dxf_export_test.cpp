// DXF Export: the text written, and the file read back by ezdxf, audited and compared entity by entity.
#include "artwork/workshop/dxf_export.h"

#include <sstream>

#include "workshop_fixture.h"

namespace quill {
namespace {

using DxfExportTest = WorkshopTest;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    EXPECT_FALSE(line.empty() || line.back() != '\r') << "each line ends in CR LF";
    if (!line.empty()) line.pop_back();
    out.push_back(line);
  }
  return out;
}

TEST_F(DxfExportTest, AClockwiseArcIsWrittenWithItsAnglesExchanged) {
  Fill({Arc(1, 2, 3, 0, HalfPi, false), Point(5, 5)});
  auto lines = Lines(DxfExportText(doc, ExportScope::SelectedOrAll));
  std::vector<std::string> expected = {"  0", "SECTION",    "  2", "ENTITIES",    "  0", "ARC",
                                       "  8", "0",          " 10", "1.00000000",  " 20", "2.00000000",
                                       " 40", "3.00000000", " 50", "90.00000000", " 51", "0.00000000",
                                       "  0", "ENDSEC",     "  0", "EOF"};
  EXPECT_EQ(lines, expected);
}

TEST_F(DxfExportTest, TheSelectionOrEverythingWhenNothingIsSelected) {
  Fill({Line(0, 0, 1, 0), Arc(0, 0, 1, 0, TwoPi), Line(5, 5, 6, 6)});
  long count = 0;
  std::string all = DxfExportText(doc, ExportScope::SelectedOrAll, &count);
  EXPECT_EQ(count, 3);
  EXPECT_NE(all.find("CIRCLE\r\n  8\r\n0\r\n 10\r\n0.00000000\r\n 20\r\n0.00000000\r\n 40\r\n1.00000000\r\n  0"),
            std::string::npos);
  SelectOnly({2});
  EXPECT_EQ(Lines(DxfExportText(doc, ExportScope::SelectedOrAll, &count))[13], "6.00000000");
  EXPECT_EQ(count, 1);
  SelectOnly({});
  DxfExportText(doc, ExportScope::Selected, &count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(ExportDxf(ui, doc, home.File("none/x.dxf"), ExportScope::SelectedOrAll), -1);
  EXPECT_NE(ui.Texts()[0].find("DXF File access error"), std::string::npos);
}

// What ezdxf reads in a file: "AUDIT errors fixes", then one line per entity.
std::string ReadWithEzdxf(const std::string& path) {
  const char* script =
      "import sys, ezdxf\n"
      "doc = ezdxf.readfile(sys.argv[1])\n"
      "a = doc.audit()\n"
      "print('AUDIT', len(a.errors), len(a.fixes))\n"
      "for e in doc.modelspace():\n"
      "  t, d = e.dxftype(), e.dxf\n"
      "  if t == 'LINE': print('L', d.layer, d.start.x, d.start.y, d.end.x, d.end.y)\n"
      "  elif t == 'ARC': print('A', d.layer, d.center.x, d.center.y, d.radius, d.start_angle, d.end_angle)\n"
      "  elif t == 'CIRCLE': print('C', d.layer, d.center.x, d.center.y, d.radius)\n"
      "  else: print('?', t)\n";
  test::RunResult r = test::RunProgram({"/usr/bin/python3", "-c", script, path});
  EXPECT_EQ(r.exitCode, 0) << "ezdxf could not read the file; install python3-ezdxf (scripts/deps.sh --tests): "
                           << r.err;
  return r.out;
}

TEST_F(DxfExportTest, EzdxfReadsTheSameEntitiesAndFindsNothingToMend) {
  ASSERT_TRUE(test::FileExists("/usr/bin/python3")) << "python3 with ezdxf is needed: scripts/deps.sh --tests";
  std::vector<tgEntity> d = {Line(-1.25, 2, 3, 4.125),
                             Arc(5000, -7, 2.5, 0.25, 3, true),
                             Arc(1, 1, 0.5, 0.5, 5.5, false),
                             Arc(-3, -3, 1, 0, TwoPi, true),
                             Point(9, 9),
                             Line(123456.789, 0, 0, -98765.4321),
                             Arc(0, 0, 1e-3, Pi, HalfPi, false),
                             Arc(2, 2, 4, 6, 7, true)};
  Fill(d);
  std::string path = home.File("out.dxf");
  ASSERT_EQ(ExportDxf(ui, doc, path, ExportScope::SelectedOrAll), 7);
  std::istringstream in(ReadWithEzdxf(path));
  std::string word;
  int errors = -1, fixes = -1;
  in >> word >> errors >> fixes;
  EXPECT_EQ(word, "AUDIT");
  EXPECT_EQ(errors, 0);
  EXPECT_EQ(fixes, 0);
  for (const tgEntity& e : d) {
    if (e.IsPoint()) continue;
    std::string kind, layer;
    in >> kind >> layer;
    SCOPED_TRACE(e.Describe());
    EXPECT_EQ(layer, "0");
    double v[5] = {};
    int n = kind == "L" ? 4 : kind == "A" ? 5 : 3;
    for (int i = 0; i < n; ++i) in >> v[i];
    if (e.IsLine()) {
      ASSERT_EQ(kind, "L");
      ExpectLine(Line(v[0], v[1], v[2], v[3]), e.X(), e.Y(), e.XE(), e.YE(), 1e-8);
      continue;
    }
    EXPECT_NEAR(v[0], e.X(), 1e-8);
    EXPECT_NEAR(v[1], e.Y(), 1e-8);
    EXPECT_NEAR(v[2], e.R(), 1e-8);
    if (e.IsFullCircle()) {
      EXPECT_EQ(kind, "C");
      continue;
    }
    ASSERT_EQ(kind, "A");
    // ezdxf reads counter-clockwise from the start angle: a clockwise arc starts at its finish.
    EXPECT_NEAR(v[3], (e.IsCCW() ? e.SA() : e.FA()) * RadToDeg, 1e-7);
    EXPECT_NEAR(v[4], (e.IsCCW() ? e.FA() : e.SA()) * RadToDeg, 1e-7);
  }
  EXPECT_FALSE(in >> word) << "more entities than written: " << word;
}

}  // namespace
}  // namespace quill
