// quill artwork optimize, hatch, linearize, deskew and modify, run on a home's artwork file as the
// operator would: the record count they leave, the file they write, their refusals and bad usage.
#include <gtest/gtest.h>

#include "test_support.h"

namespace quill::test {
namespace {

class ArtworkTool : public ::testing::Test {
 protected:
  void Artwork(const std::string& text) { WriteFile(home.File("QUILLART.TMP"), text); }
  std::string Art() { return ReadFile(home.File("QUILLART.TMP")); }
  RunResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {BinaryDir() + "/quill", "artwork"});
    args.push_back("--home");
    args.push_back(home.path());
    return RunProgram(args);
  }
  void ExpectUsage(const std::vector<std::string>& args) {
    RunResult r = Run(args);
    EXPECT_EQ(r.exitCode, 2) << args[0] << " " << r.err;
    EXPECT_NE(r.err.find("usage: quill artwork " + args[0]), std::string::npos) << r.err;
  }
  // A refusal: exit 1, the message on standard error, the artwork file as it was.
  void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    std::string before = Art();
    RunResult r = Run(args);
    EXPECT_EQ(r.exitCode, 1) << args[0];
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(Art(), before);
  }
  TempDir home;
};

const char* kThreeLines =
    "1 0.0 0.0 1.0 0.0 0.0\r\n"
    "1 3.0 0.0 2.0 0.0 0.0\r\n"
    "1 1.0 0.0 2.0 0.0 0.0\r\n";

const char* kSquare =
    "1 0.0 0.0 1.0 0.0 0.0\r\n"
    "1 1.0 0.0 1.0 1.0 0.0\r\n"
    "1 1.0 1.0 0.0 1.0 0.0\r\n"
    "1 0.0 1.0 0.0 0.0 0.0\r\n";

TEST_F(ArtworkTool, OptimizeChainsFromTheStartPoint) {
  Artwork(kThreeLines);
  RunResult r = Run({"optimize", "--start", "-0.5", "0", "--no-merge"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "3\n");
  EXPECT_EQ(Art(),
            "1 0.0000000000 0.0000000000 1.0000000000 0.0000000000 0.0\r\n"
            "1 1.0000000000 0.0000000000 2.0000000000 0.0000000000 0.0\r\n"
            "1 2.0000000000 0.0000000000 3.0000000000 0.0000000000 0.0\r\n");
  // Merged, the three are one line.
  r = Run({"optimize", "--start", "-0.5", "0", "--tolerance", "0.01", "--bridge", "--simplify", "0.01"});
  EXPECT_EQ(r.out, "1\n");
  EXPECT_EQ(Art(), "1 0.0000000000 0.0000000000 3.0000000000 0.0000000000 0.0\r\n");
}

TEST_F(ArtworkTool, OptimizeBezierFitsRunsOfShortLines) {
  std::string zigzag;
  for (int i = 0; i < 20; ++i) {
    zigzag += "1 " + std::to_string(i * 0.1) + " " + std::to_string((i % 2) * 0.05) + " " + std::to_string((i + 1) * 0.1) +
              " " + std::to_string(((i + 1) % 2) * 0.05) + " 0.0\r\n";
  }
  zigzag += "1 2.0 0.0 9.0 0.0 0.0\r\n";
  Artwork(zigzag);
  RunResult r = Run({"optimize", "--start", "-1", "0", "--bezier", "0.2", "--bezier-tolerance", "0.5", "--arc-fit", "0.01"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_LT(std::stoi(r.out), 21);
}

TEST_F(ArtworkTool, OptimizeRefusalsAndBadUsage) {
  Artwork(kSquare);
  ExpectRefused({"optimize", "--tolerance", "-1"}, "End Point Connection Tolerance May Not be Negative");
  ExpectUsage({"optimize", "--start", "1"});
  ExpectUsage({"optimize", "--arc-fit", "0.01"});
  ExpectUsage({"optimize", "--tolerance", "wide"});
  ExpectUsage({"optimize", "--quick"});
  Artwork("");
  ExpectRefused({"optimize"}, "First Select the Geometry to Optimize");
}

TEST_F(ArtworkTool, HatchAddsTheHatchLines) {
  Artwork(kSquare);
  RunResult r = Run({"hatch", "--angle", "-90", "--spacing", "0.25"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "9\n");
  EXPECT_NE(Art().find("1 0.5000000000 1.0000000000 0.5000000000 0.0000000000 0.0\r\n"), std::string::npos);
  ExpectRefused({"hatch", "--angle", "0", "--spacing", "0"}, "Cross Hatch Distance Must be Greater than Zero");
  ExpectRefused({"hatch", "--angle", "0", "--spacing", "0.25", "--tolerance", "-1"},
                "End Point Tolerance May Not be Negative");
  ExpectUsage({"hatch", "--spacing", "0.25"});
  ExpectUsage({"hatch", "--angle", "0", "--spacing", "a"});
  Artwork("1 0.0 0.0 1.0 0.0 0.0\r\n");
  r = Run({"hatch", "--angle", "0", "--spacing", "0.25"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "1\n");
}

TEST_F(ArtworkTool, LinearizeTurnsArcsIntoChords) {
  Artwork("3 0.0 0.0 1.0 0.0 1.5707963268\r\n1 5.0 0.0 6.0 0.0 0.0\r\n");
  RunResult r = Run({"linearize", "--tolerance", "0.01"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "7\n");  // six chords of 0.283 radians and the line
  EXPECT_EQ(Art().find("3 "), std::string::npos);
  ExpectRefused({"linearize", "--tolerance", "0"}, "Tolerance Must be Greater than Zero");
  Artwork("3 0.0 0.0 1.0 0.0 1.5707963268\r\n");
  ExpectRefused({"linearize", "--tolerance", "3"}, "Tolerance Larger than Arc Diameter");
  ExpectUsage({"linearize"});
}

TEST_F(ArtworkTool, DeskewStraightensAndScales) {
  Artwork("1 1.0 1.0 2.0 2.0 0.0\r\n");
  RunResult r = Run({"deskew", "--axis-points", "1", "1", "2", "2", "--origin", "1", "1", "--scale", "2"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
  EXPECT_EQ(Art(), "1 0.0000000000 0.0000000000 2.8284271247 0.0000000000 0.0\r\n");
  r = Run({"deskew", "--axis-points", "1", "1", "1", "1", "--known-distance", "2.8284271247", "0", "5.6568542495"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.err.find("Same Point Given Twice"), std::string::npos);
  EXPECT_EQ(Art(), "1 0.0000000000 0.0000000000 5.6568542495 0.0000000000 0.0\r\n");
  ExpectRefused({"deskew", "--axis-line", "1", "1", "1", "1"}, "The -X- Axis Line Has No Length");
  ExpectRefused({"deskew", "--scale", "0"}, "Scale May Not be Zero");
  ExpectUsage({"deskew", "--scale", "2", "--known-point", "1", "1", "2", "2"});
  ExpectUsage({"deskew", "--axis-line", "0", "0", "1", "1", "--axis-points", "0", "0", "1", "1"});
  ExpectUsage({"deskew", "--origin", "1"});
}

TEST_F(ArtworkTool, ModifyTransformsAndOrdersTheFile) {
  Artwork("1 5.0 0.0 6.0 0.0 0.0\r\n1 1.0 0.0 0.0 0.0 0.0\r\n0 1.0 0.0 2.0 0.0 0.0\r\n1 1.0 0.0 2.0 0.0 0.0\r\n");
  RunResult r = Run({"modify", "--optimize", "--end-tolerance", "0.001"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "3\n");
  EXPECT_EQ(Art(),
            "1 0.0000000000 0.0000000000 1.0000000000 0.0000000000 0.0\r\n"
            "1 1.0000000000 0.0000000000 2.0000000000 0.0000000000 0.0\r\n"
            "1 5.0000000000 0.0000000000 6.0000000000 0.0000000000 0.0\r\n");
  Artwork("1 1.0 0.0 2.0 0.0 0.0\r\n");
  r = Run({"modify", "--offset", "1", "0", "--scale", "2", "2", "--rotate", "90"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Art(), "1 2.0000000000 2.0000000000 2.0000000000 4.0000000000 0.0\r\n");
  Artwork("3 0.0 0.0 1.0 0.0 1.0\r\n");
  ExpectRefused({"modify", "--scale", "2", "3"}, "File contains Arcs,X/Y Scale must be Equal");
  ExpectRefused({"modify", "--scale", "0", "1"}, "X / Y Scale May Not be Zero");
  ExpectUsage({"modify", "--end-tolerance", "0.1"});
  ExpectUsage({"modify", "--offset", "1"});
  ExpectUsage({"modify", "--mirror"});
  std::remove(home.File("QUILLART.TMP").c_str());
  RunResult none = Run({"modify", "--rotate", "10"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("Art File has not been Imported / Created Yet"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
