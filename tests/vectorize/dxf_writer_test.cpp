// The traced drawing as DXF: what the file holds, read back by the program's own DXF import (lines and
// arcs where the paths had them) and by ezdxf, which audits it.
#include "dxf_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "job/job.h"
#include "records/tmg_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill::vectorize {
namespace {

Tracing Sample() {
  Tracing t;
  t.layers = {{"TRACE_000000", {0, 0, 0}}, {"TRACE_FF0000", {255, 0, 0}}};
  TracedPath square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {}, true, 0};
  // A half circle of radius 5 from (20, 0) to (30, 0) below the chord, then a line on.
  TracedPath bowl{{{20, 0}, {30, 0}, {40, 0}}, {1.0, 0}, false, 1};
  TracedPath dot{{{50, 5}}, {}, false, 0};
  t.paths = {square, bowl, dot};
  return t;
}

TEST(DxfWriter, APolylineForEachPathOnItsColoursLayer) {
  std::string text = DxfText(Sample(), true);
  EXPECT_EQ(text.substr(0, 22), "  0\r\nSECTION\r\n  2\r\nHEA");
  EXPECT_NE(text.find("  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"), std::string::npos);
  EXPECT_NE(text.find("  2\r\nTRACE_FF0000\r\n 70\r\n0\r\n 62\r\n1\r\n"), std::string::npos);
  EXPECT_NE(text.find(" 42\r\n1.00000000\r\n"), std::string::npos);
  EXPECT_NE(text.find("  0\r\nPOINT\r\n  8\r\nTRACE_000000\r\n 10\r\n50.00000000\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 10), "  0\r\nEOF\r\n");
  EXPECT_EQ(DxfText(Sample(), false).find('\r'), std::string::npos);
}

TEST(DxfWriter, TheProgramsOwnImportReadsLinesAndArcs) {
  test::TempDir home;
  TestUi ui;
  Job job(ui);
  BuildWorkFilePaths(job.paths, home.path() + "/", quill::test::BinaryDir() + "/data/");
  ASSERT_TRUE(WriteDxf(home.File("QP2008R2V.DXF"), Sample(), true));
  UiDxfStatus status(ui);
  int code = DxfToTmg(job, home.File("QP2008R2V.DXF"), home.File("DXFTMP.TMG"), {}, status);
  ASSERT_EQ(code, 0);
  int lines = 0, arcs = 0;
  TmgReader in(home.File("DXFTMP.TMG"));
  TmgRecord rec;
  while (in.Next(rec)) {
    if (rec.kind == 2) ++lines;
    if (rec.kind == 3) {
      ++arcs;
      EXPECT_NEAR(rec.r[0], 25, 1e-6);  // centre
      EXPECT_NEAR(rec.r[1], 0, 1e-6);
      EXPECT_NEAR(rec.r[2], 5, 1e-6);  // radius
    }
  }
  EXPECT_EQ(lines, 5);  // the square's four sides and the line after the arc
  EXPECT_EQ(arcs, 1);
}

TEST(DxfWriter, EzdxfReadsAndAuditsIt) {
  const char* python = "/usr/bin/python3";
  ASSERT_TRUE(quill::test::FileExists(python)) << "install python3-ezdxf (scripts/deps.sh --tests)";
  test::TempDir dir;
  ASSERT_TRUE(WriteDxf(dir.File("traced.dxf"), Sample(), true));
  auto run = quill::test::RunProgram(
      {python, quill::test::SourceDir() + "/tests/vectorize/data/ezdxf_audit.py", dir.File("traced.dxf")});
  ASSERT_EQ(run.exitCode, 0) << "install python3-ezdxf: " << run.out << run.err;
  EXPECT_NE(run.out.find("version AC1009"), std::string::npos);
  EXPECT_NE(run.out.find("errors 0"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("POLYLINE 2"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("POINT 1"), std::string::npos);
  EXPECT_NE(run.out.find("vertices 4 closed 1 bulges 0"), std::string::npos);
  EXPECT_NE(run.out.find("vertices 3 closed 0 bulges 1"), std::string::npos);
}

}  // namespace
}  // namespace quill::vectorize
