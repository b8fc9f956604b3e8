// quill font compile / decompile, run as the operator would.
#include <gtest/gtest.h>

#include "test_support.h"

namespace quill::test {
namespace {

std::string Quill() {
  return BinaryDir() + "/quill";
}

TEST(FontCommand, BundledSimplexRoundTrip) {
  TempDir dir;
  const std::string src = SourceDir() + "/data/fonts/SIMPLEX.QXS";
  RunResult r = RunProgram({Quill(), "font", "compile", src, dir.File("S.QXF")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  // The build compiled the same source into the installed fonts.
  const std::string built = BinaryDir() + "/data/fonts/SIMPLEX.QXF";
  if (FileExists(built)) {
    EXPECT_TRUE(ReadFile(built) == ReadFile(dir.File("S.QXF")));
  }
  r = RunProgram({Quill(), "font", "decompile", dir.File("S.QXF"), dir.File("S2.QXS")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadLines(dir.File("S2.QXS")).front(), "( )");
  r = RunProgram({Quill(), "font", "compile", dir.File("S2.QXS"), dir.File("S2.QXF")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(ReadFile(dir.File("S.QXF")) == ReadFile(dir.File("S2.QXF")));
}

TEST(FontCommand, ReportedErrorsExitWithOne) {
  TempDir dir;
  RunResult r = RunProgram({Quill(), "font", "compile", dir.File("none.QXS"), dir.File("N.QXF")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Cannot Read File ["), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(dir.File("N.QXF")));
  // A refused spline is reported, and the rest of the font is still written.
  WriteFile(dir.File("B.QXS"), "(A)\r\nG10 X0 Y0\r\nG11\r\nG01 X1 Y1\r\n");
  r = RunProgram({Quill(), "font", "compile", dir.File("B.QXS"), dir.File("B.QXF")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Spline Nodes < 3 or > 50"), std::string::npos) << r.err;
  EXPECT_EQ(ReadFile(dir.File("B.QXF")).size(), 5u * 24);
  r = RunProgram({Quill(), "font", "decompile", dir.File("none.QXF"), dir.File("N.QXS")});
  EXPECT_EQ(r.exitCode, 1);
}

TEST(FontCommand, BadUsage) {
  EXPECT_EQ(RunProgram({Quill(), "font"}).exitCode, 2);
  EXPECT_EQ(RunProgram({Quill(), "font", "compile", "a.QXS"}).exitCode, 2);
  RunResult r = RunProgram({Quill(), "font", "render", "a", "b"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("usage: quill font compile"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
