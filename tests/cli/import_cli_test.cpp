// quill import and a drawing named on the command line, run as the operator would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_support.h"

namespace quill::test {
namespace {

std::string Quill() {
  return BinaryDir() + "/quill";
}

const char* kDrawing =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n"
    "0\nCIRCLE\n8\n0\n10\n2\n20\n3\n40\n1\n"
    "0\nENDSEC\n0\nEOF\n";

TEST(ImportCommand, EachFormatAddsToTheHomesArtwork) {
  TempDir home;
  WriteFile(home.File("parts.tmg"), "2 0 1 0 0 0 0 1 1 0 0\r\n3 0 1 0 0 0 1 0 0 0 90\r\n");
  RunResult r = RunProgram({Quill(), "import", home.File("parts.tmg"), "--home", home.path()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "2\n");
  WriteFile(home.File("a.dxf"), kDrawing);
  r = RunProgram({Quill(), "import", home.File("a.dxf"), "--home", home.path()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "4\n");
  EXPECT_NE(r.err.find("Processing Complete !!"), std::string::npos);
  r = RunProgram({Quill(), "import", home.File("a.dxf"), "--replace", "--home", home.path()});
  EXPECT_EQ(r.out, "2\n");
  EXPECT_EQ(ReadLines(home.File("QUILLART.TMP"))[1],
            "3 2.0000000000 3.0000000000 1.0000000000 0.0000000000 6.2831853072");
  WriteFile(home.File("a.plt"), "IN;SP1;PU0,0;PD1000,0;");
  r = RunProgram({Quill(), "import", home.File("a.plt"), "--home", home.path()});
  EXPECT_EQ(r.out, "1\n");  // HPGL replaces
}

TEST(ImportCommand, ArcFitAndTolerance) {
  TempDir home;
  std::string d = "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n70\n4\n";
  for (int i = 0; i <= 6; ++i) {
    d += "0\nVERTEX\n70\n16\n10\n" + std::to_string(std::cos(i * 0.4)) + "\n20\n" + std::to_string(std::sin(i * 0.4)) +
         "\n";
  }
  d += "0\nSEQEND\n0\nENDSEC\n0\nEOF\n";
  WriteFile(home.File("c.dxf"), d);
  RunResult lines = RunProgram({Quill(), "import", home.File("c.dxf"), "--replace", "--home", home.path()});
  RunResult arcs = RunProgram(
      {Quill(), "import", home.File("c.dxf"), "--replace", "--arc-fit", "--tolerance", "0.01", "--home", home.path()});
  ASSERT_EQ(arcs.exitCode, 0) << arcs.err;
  EXPECT_LT(std::stol(arcs.out), std::stol(lines.out));
  auto art = ReadLines(home.File("QUILLART.TMP"));
  EXPECT_TRUE(std::any_of(art.begin(), art.end(), [](const std::string& l) { return l.rfind("3 ", 0) == 0; }));
}

TEST(ImportCommand, FailuresAndBadUsage) {
  TempDir home;
  RunResult r = RunProgram({Quill(), "import", home.File("none.dxf"), "--home", home.path()});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot read"), std::string::npos) << r.err;
  WriteFile(home.File("bin.dxf"), std::string("AutoCAD Binary DXF\r\n\x1a\0\1\2", 24));
  r = RunProgram({Quill(), "import", home.File("bin.dxf"), "--home", home.path()});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Binary DXF Files are Not Supported"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(home.File("QUILLART.TMP")));
  EXPECT_EQ(RunProgram({Quill(), "import", "--home", home.path()}).exitCode, 2);
  EXPECT_EQ(RunProgram({Quill(), "import", "a.dxf", "--tolerance", "x", "--home", home.path()}).exitCode, 2);
  EXPECT_EQ(RunProgram({Quill(), "import", "a.dxf", "--fast", "--home", home.path()}).exitCode, 2);
}

TEST(ImportCommand, DrawingNamedOnTheProgramsCommandLine) {
  TempDir home;
  WriteFile(home.File("a.DXF"), kDrawing);
  WriteFile(home.File("job.QLM"), ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM"));
  RunResult r = RunProgram(
      {BinaryDir() + "/quillpro2008", "--home", home.path(), home.File("job.QLM"), home.File("a.DXF"), "-r"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // The tool path of the unattended run cuts the imported circle.
  EXPECT_NE(ReadFile(home.File("QUILLMAR.CL")).find("2.0000000000000000 3.0000000000000000"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
