// Hand tracing into artwork: the worked examples of the marks and the scale point, how the annotation
// file is read (marks replaced, numbers that are not numbers), and the artwork file kept whole.
#include "raster/trace_conversion.h"

#include "raster_fixture.h"

namespace quill {
namespace {

class TraceConversionTest : public RasterTest {};

TEST_F(TraceConversionTest, WithoutMarksPixelsBecomeUnitsUnchanged) {
  WriteAnnotations({"[LINE] 10 20 110 20 255"});
  TraceConversion r = ConvertTracing(job, 1.0, 1.0);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.lines, 1);
  auto art = Artwork();
  ASSERT_EQ(art.size(), 1u);
  ExpectLine(art[0], 10, 20, 110, 20);
  EXPECT_TRUE(job.flags.ArtworkPresent);
}

TEST_F(TraceConversionTest, OriginXAndScaleMarksGiveTheEnteredUnits) {
  WriteAnnotations({"[LABEL] 12 100 200 Arial O", "[LABEL] 12 200 200 Arial X", "[LABEL] 12 300 100 Arial S",
                    "[LINE] 100 200 300 200 255"});
  TraceFrame frame = MakeTraceFrame(ReadScaleMarks(job.paths.AntFileName), 2.0, 1.0);
  EXPECT_NEAR(frame.kx, 0.01, 1e-12);
  EXPECT_NEAR(frame.ky, -0.01, 1e-12);
  ConvertTracing(job, 2.0, 1.0);
  auto art = Artwork();
  ASSERT_EQ(art.size(), 1u);
  ExpectLine(art[0], 0, 0, 2, 0);
  // The record as the artwork file holds it: ten decimals, the fifth number the literal filler.
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName)[0], "1 0.0000000000 0.0000000000 2.0000000000 0.0000000000 0.0");
}

TEST_F(TraceConversionTest, AnXMarkAboveTheOriginTurnsTheDrawingAQuarterTurn) {
  // The X axis points up the picture: a line drawn upwards from the origin lies along X afterwards,
  // one drawn to the right along minus Y (scale entered as 0: no scaling).
  WriteAnnotations({"[LABEL] 12 100 200 Arial O", "[LABEL] 12 100 100 Arial X", "[LINE] 100 200 100 150 255",
                    "[LINE] 100 200 130 200 255"});
  ConvertTracing(job, 0, 0);
  auto art = Artwork();
  ASSERT_EQ(art.size(), 2u);
  ExpectLine(art[0], 0, 0, 50, 0);
  ExpectLine(art[1], 0, 0, 0, 30);
}

TEST_F(TraceConversionTest, LaterMarksReplaceEarlierOnesAndOtherMarksAreIgnored) {
  WriteAnnotations(
      {"[LABEL] 12 5 5 Arial O", "[LABEL] 12 50 60 Arial Q", "[LABEL] 12 10 20 Arial O", "[LINE] 10 20 30 20 255"});
  ScaleMarks m = ReadScaleMarks(job.paths.AntFileName);
  EXPECT_EQ(m.ox, 10);
  EXPECT_EQ(m.oy, 20);
  EXPECT_EQ(m.xx, 11);
  EXPECT_EQ(m.sx, 11);
  ConvertTracing(job, 1, 1);
  ExpectLine(Artwork().at(0), 0, 0, 20, 0);
}

TEST_F(TraceConversionTest, FieldsThatAreNoNumbersCountAsZero) {
  WriteAnnotations({"garbage line", "[LINE] abc 20 1e2 20x 255", "[LABEL] 12 nan 7 Arial O", "[LINE] 1 2",
                    "[LINE] 5 5 5 5 255", "[LINE]"});
  ScaleMarks m = ReadScaleMarks(job.paths.AntFileName);
  EXPECT_EQ(m.ox, 0);
  EXPECT_EQ(m.oy, 7);
  TraceConversion r = ConvertTracing(job, 1, 1);
  // (0, 20)-(100, 0) and (1, 2)-(0, 0), moved by the origin (0, 7); the line whose ends are equal and
  // the empty one add nothing.
  ASSERT_EQ(r.lines, 2);
  auto art = Artwork();
  ExpectLine(art[0], 0, 13, 100, -7);
  ExpectLine(art[1], 1, -5, 0, -7);
}

TEST_F(TraceConversionTest, AnOriginAloneNeitherTurnsNorStretches) {
  WriteAnnotations({"[LABEL] 12 100 200 Arial O", "[LINE] 100 200 150 200 255", "[LINE] 100 200 100 180 255"});
  ConvertTracing(job, 1, 1);
  auto art = Artwork();
  ASSERT_EQ(art.size(), 2u);
  ExpectLine(art[0], 0, 0, 50, 0);
  ExpectLine(art[1], 0, 0, 0, -20);
}

TEST_F(TraceConversionTest, AnXMarkOnTheOriginLeavesThePictureUnturned) {
  WriteAnnotations({"[LABEL] 12 40 40 Arial O", "[LABEL] 12 40 40 Arial X", "[LINE] 40 40 60 40 255"});
  ConvertTracing(job, 0, 0);
  ExpectLine(Artwork().at(0), 0, 0, 20, 0);
}

TEST_F(TraceConversionTest, ArtworkPresentIsAppendedToOtherwiseReplaced) {
  test::WriteFile(job.paths.ArtFileName, "1 0.0 0.0 1.0 1.0 0.0\r\n");
  WriteAnnotations({"[LINE] 0 0 10 0 255"});
  job.flags.ArtworkPresent = true;
  ConvertTracing(job, 0, 0);
  EXPECT_EQ(Artwork().size(), 2u);
  job.flags.ArtworkPresent = false;
  ConvertTracing(job, 0, 0);
  EXPECT_EQ(Artwork().size(), 1u);
}

TEST_F(TraceConversionTest, NoLinesLeaveTheArtworkAlone) {
  WriteAnnotations({"[LABEL] 12 1 1 Arial O"});
  TraceConversion r = ConvertTracing(job, 1, 1);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.lines, 0);
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
  EXPECT_FALSE(job.flags.ArtworkPresent);
}

TEST_F(TraceConversionTest, AMissingAnnotationFileIsSaid) {
  TraceConversion r = ConvertTracing(job, 1, 1);
  EXPECT_FALSE(r.ok);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("Annotation File access error"), std::string::npos);
}

TEST_F(TraceConversionTest, AFailedWriteKeepsTheOldArtworkWhole) {
  std::string old = "1 0.0 0.0 1.0 1.0 0.0\r\n";
  test::WriteFile(job.paths.ArtFileName, old);
  job.flags.ArtworkPresent = true;
  std::vector<std::string> lines;
  for (int i = 0; i < 2000; ++i) lines.push_back("[LINE] 0 0 " + std::to_string(i + 1) + " 0 255");
  WriteAnnotations(lines);
  {
    test::FileSizeLimit limit(4096);
    TraceConversion r = ConvertTracing(job, 1, 1);
    EXPECT_FALSE(r.ok);
  }
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), old);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_NE(ui.messages.back().text.find("Art File access error"), std::string::npos);
}

}  // namespace
}  // namespace quill
