// quill-vectorize run as the program runs it: on the parameter file the settings write, in the home
// where the picture lies, for outlines and for centre lines; and on pictures and parameter files that
// are damaged, missing or not pictures at all.
#include <gtest/gtest.h>

#include "pixels/bmp.h"
#include "raster/parameter_file.h"
#include "raster/vectorizer_run.h"
#include "stroke_pictures.h"
#include "test_support.h"

namespace quill::vectorize {
namespace {

class VectorizerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(quill::test::FileExists(program)) << "build quill-vectorize first";
    std::vector<test::Stroke> strokes =
        test::FontStrokes(test::FontSource(quill::test::SourceDir(), "SIMPLEX"), "QM", 80, 20, 30);
    ASSERT_TRUE(WriteBmp(home.File("QP2008R2V.BMP"), test::DrawStrokes(strokes, 220, 140, 6)));
  }

  quill::test::RunResult Run(const RasterToVectorSettings& s) {
    EXPECT_TRUE(WriteParameterFile(home.File("qp2008.par"), s));
    return quill::test::RunProgram({program, "qp2008.par"}, home.path());
  }

  std::string program = quill::test::BinaryDir() + "/quill-vectorize";
  quill::test::TempDir home;
};

TEST_F(VectorizerProgram, OutlinesAndCentreLinesFromTheParameterFile) {
  RasterToVectorSettings s;
  auto outline = Run(s);
  ASSERT_EQ(outline.exitCode, 0) << outline.err;
  EXPECT_NE(outline.out.find("Progress: 100%"), std::string::npos);
  // The picture is named in lower case in the parameter file; the drawing is written as named there.
  ASSERT_TRUE(quill::test::FileExists(home.File("QP2008R2V.dxf")));
  EXPECT_TRUE(LooksLikeDxf(home.File("QP2008R2V.dxf")));
  std::string outlines = quill::test::ReadFile(home.File("QP2008R2V.dxf"));
  EXPECT_NE(outlines.find("\r\n"), std::string::npos);
  s.centerlines = true;
  s.bezier = true;
  auto centre = Run(s);
  ASSERT_EQ(centre.exitCode, 0) << centre.err;
  std::string lines = quill::test::ReadFile(home.File("QP2008R2V.dxf"));
  // Outlines go round each letter twice as long as its centre line runs.
  EXPECT_GT(outlines.size(), lines.size());
  EXPECT_NE(lines.find("POLYLINE"), std::string::npos);
}

TEST_F(VectorizerProgram, WhatCannotBeDoneIsSaidWithStatusOne) {
  quill::test::WriteFile(home.File("bad.par"), "# no names\n-grit 3\n");
  auto bad = quill::test::RunProgram({program, "bad.par"}, home.path());
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("names no picture"), std::string::npos);

  quill::test::WriteFile(home.File("QP2008R2V.BMP"), "BM this is not a bitmap");
  auto damaged = Run({});
  EXPECT_EQ(damaged.exitCode, 1);
  EXPECT_NE(damaged.err.find("QP2008R2V"), std::string::npos);
  EXPECT_FALSE(quill::test::FileExists(home.File("QP2008R2V.dxf")));

  quill::test::WriteFile(home.File("QP2008R2V.BMP"), std::string("BM") + std::string(60, '\0'));
  EXPECT_EQ(Run({}).exitCode, 1);

  quill::test::WriteFile(home.File("only.par"), "missing.bmp\nout.dxf\n");
  auto missing = quill::test::RunProgram({program, "only.par"}, home.path());
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("missing.bmp"), std::string::npos);

  quill::test::WriteFile(home.File("locked.par"), "QP2008R2V.BMP\nno/such/folder/out.dxf\n");
  ASSERT_TRUE(WriteBmp(home.File("QP2008R2V.BMP"), test::DrawStrokes({{{5, 5}, {30, 30}}}, 40, 40, 4)));
  auto unwritable = quill::test::RunProgram({program, "locked.par"}, home.path());
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find("cannot write the drawing"), std::string::npos);
}

TEST_F(VectorizerProgram, BadUsage) {
  EXPECT_EQ(quill::test::RunProgram({program}).exitCode, 2);
  EXPECT_EQ(quill::test::RunProgram({program, "a", "b"}).exitCode, 2);
  auto help = quill::test::RunProgram({program, "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("usage: quill-vectorize PARAMETER-FILE"), std::string::npos);
}

}  // namespace
}  // namespace quill::vectorize
