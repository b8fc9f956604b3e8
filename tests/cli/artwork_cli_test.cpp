// quill artwork info and export, run on a home's artwork file as the operator would.
#include <gtest/gtest.h>

#include "test_support.h"

namespace quill::test {
namespace {

std::string Quill() {
  return BinaryDir() + "/quill";
}

// A line, a clockwise quarter arc and a circle far from the origin.
const char* kArtwork =
    "1 0.0 0.0 2.0 0.0 0.0\r\n"
    "2 1.0 1.0 2.0 0.0 1.5707963268\r\n"
    "3 5000.0 0.0 1.0 0.0 6.2831853072\r\n";

class ArtworkCommand : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(home.File("QUILLART.TMP"), kArtwork); }
  RunResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), Quill());
    args.push_back("--home");
    args.push_back(home.path());
    return RunProgram(args);
  }
  TempDir home;
};

TEST_F(ArtworkCommand, InfoPrintsTheFifteenFigures) {
  RunResult r = Run({"artwork", "info"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "Minimum -X-  : -1.000000000000000\n"
            "Minimum -Y-  : -1.000000000000000\n"
            "Maximum -X-  : 5001.000000000000000\n"
            "Maximum -Y-  : 3.000000000000000\n"
            "Center in -X-  : 2500.000000000000000\n"
            "Center in -Y-  : 1.000000000000000\n"
            "Total Length : 17.707963267959173\n"
            "Longest Line  : 2.000000000000000\n"
            "Shortest Line  : 2.000000000000000\n"
            "Average Line Length : 2.000000000000000\n"
            "Largest Arc Radius  : 2.000000000000000\n"
            "Smallest Arc Radius  : 1.000000000000000\n"
            "Number of Lines  : 1\n"
            "Number of Arcs : 2\n"
            "Total Lines / Arcs : 3\n");
  EXPECT_EQ(ReadFile(home.File("QUILLART.TMP")), kArtwork);
}

TEST_F(ArtworkCommand, ExportWritesEveryEntityOrThoseInsideTheWindow) {
  RunResult r = Run({"artwork", "export", home.File("all.dxf")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "3\n");
  std::string all = ReadFile(home.File("all.dxf"));
  EXPECT_NE(all.find("ARC\r\n  8\r\n0\r\n 10\r\n1.00000000\r\n 20\r\n1.00000000\r\n 40\r\n2.00000000\r\n 50\r\n"
                     "90.00000000\r\n 51\r\n0.00000000\r\n"),
            std::string::npos);
  EXPECT_NE(all.find("CIRCLE"), std::string::npos);
  r = Run({"artwork", "export", home.File("near.dxf"), "--selected-window", "3.5", "-1.5", "-1.5", "3"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "2\n");
  EXPECT_EQ(ReadFile(home.File("near.dxf")).find("CIRCLE"), std::string::npos);
  r = Run({"artwork", "export", home.File("none.dxf"), "--selected-window", "10", "10", "20", "20"});
  EXPECT_EQ(r.out, "0\n");
  EXPECT_EQ(ReadLines(home.File("none.dxf")).size(), 8u);
  EXPECT_EQ(ReadFile(home.File("QUILLART.TMP")), kArtwork);
}

TEST_F(ArtworkCommand, ReportedErrorsAndBadUsage) {
  EXPECT_EQ(Run({"artwork", "export", home.File("missing/x.dxf")}).exitCode, 1);
  std::remove(home.File("QUILLART.TMP").c_str());
  RunResult r = Run({"artwork", "export", home.File("x.dxf")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Art File has not been Imported / Created Yet"), std::string::npos);
  EXPECT_FALSE(FileExists(home.File("x.dxf")));
  r = Run({"artwork", "info"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("Total Lines / Arcs : 0"), std::string::npos);
  for (std::vector<std::string> bad : {std::vector<std::string>{"artwork"},
                                       {"artwork", "sketch"},
                                       {"artwork", "info", "extra"},
                                       {"artwork", "export"},
                                       {"artwork", "export", "a.dxf", "--selected-window", "1", "2", "3"},
                                       {"artwork", "export", "a.dxf", "--selected-window", "1", "2", "x", "4"},
                                       {"artwork", "export", "a.dxf", "--fast"}}) {
    r = Run(bad);
    EXPECT_EQ(r.exitCode, 2) << bad.back();
    EXPECT_NE(r.err.find("usage"), std::string::npos) << bad.back();
  }
  r = RunProgram({Quill(), "artwork", "--home", home.path(), "info"});  // the home may come first
  EXPECT_EQ(r.exitCode, 0) << r.err;
  r = RunProgram({Quill(), "artwork", "--help"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("quill artwork export OUT.dxf [--selected-window X1 Y1 X2 Y2]"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
