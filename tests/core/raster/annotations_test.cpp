// The annotation file: lines and marks written in the form the conversion reads, and read back.
#include "raster/annotations.h"

#include <gtest/gtest.h>

#include "raster/annotation_fields.h"
#include "test_support.h"

namespace quill {
namespace {

TEST(Annotations, WrittenInTheFormTheConversionReads) {
  Annotations list = {Annotation::MakeLine(10, 20, 110, 20.5), Annotation::MakeText("O", 100, 200, 12),
                      Annotation::MakeText("S", 3, 4, 6, "Courier New")};
  EXPECT_EQ(FormatAnnotations(list),
            "[LINE] 10 20 110 20.500 255\r\n[LABEL] 12 100 200 Arial O\r\n[LABEL] 6 3 4 CourierNew S\r\n");
  AnnotationLine mark = ReadAnnotationLine("[LABEL] 12 100 200 Arial O");
  EXPECT_EQ(mark.kind, AnnotationLineKind::Mark);
  EXPECT_EQ(mark.Number(2), 100);
  EXPECT_EQ(mark.Number(3), 200);
  EXPECT_EQ(mark.last, 'O');
  AnnotationLine line = ReadAnnotationLine("[LINE] 10 20 110 20.500 255");
  EXPECT_EQ(line.kind, AnnotationLineKind::Line);
  EXPECT_EQ(line.Number(4), 20.5);
}

TEST(Annotations, ReadBackAsTheyWereWritten) {
  test::TempDir dir;
  Annotations list = {Annotation::MakeLine(1, 2, 3, 4), Annotation::MakeText("X", 5, 6, 24)};
  ASSERT_TRUE(WriteAnnotationFile(dir.File("QUILLPRO.ANT"), list));
  Annotations back = ReadAnnotationFile(dir.File("QUILLPRO.ANT"));
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].kind, AnnotationKind::Line);
  EXPECT_EQ(back[0].x2, 3);
  EXPECT_EQ(back[0].colour, clRed);
  EXPECT_EQ(back[1].kind, AnnotationKind::Text);
  EXPECT_EQ(back[1].text, "X");
  EXPECT_EQ(back[1].size, 24);
  EXPECT_EQ(back[1].x1, 5);
  EXPECT_TRUE(ReadAnnotationFile(dir.File("missing.ANT")).empty());
}

TEST(Annotations, LinesAreFoundAnywhereAndTrailingBlanksDoNotHideAMark) {
  EXPECT_EQ(ReadAnnotationLine("xx [LABEL] 1 2 3 O  \r").last, 'O');
  EXPECT_EQ(ReadAnnotationLine("note [LINE] 1 2 3 4").Number(4), 4);
  EXPECT_EQ(ReadAnnotationLine("[LINE]1 2").Number(1), 1);
  EXPECT_EQ(ReadAnnotationLine("no kind here").kind, AnnotationLineKind::Other);
  EXPECT_EQ(ReadAnnotationLine("[LINE] 1 2 inf 4").Number(3), 0);
  EXPECT_EQ(ReadAnnotationLine("[LINE]").Number(1), 0);
}

}  // namespace
}  // namespace quill
