#include <gtest/gtest.h>

#include "post_test_util.h"

namespace quill::test {
namespace {

MachineDefinition OfType(int type) {
  MachineDefinition m = PlainMill();
  m.MTYPE = type;
  return m;
}

// The entity lines between the ENTITIES header and ENDSEC.
Lines Entities(const Lines& dxf) {
  EXPECT_GE(dxf.size(), 8u);
  EXPECT_EQ(Lines(dxf.begin(), dxf.begin() + 4), (Lines{"  0", "SECTION", "  2", "ENTITIES"}));
  EXPECT_EQ(Lines(dxf.end() - 4, dxf.end()), (Lines{"  0", "ENDSEC", "  0", "EOF"}));
  return Lines(dxf.begin() + 4, dxf.end() - 4);
}

TEST(PostDxf, LinesArcsAndCircles) {
  PostRun run;
  Lines e = Entities(run.Post(OfType(MachDxf), {Rec(0, 1, 0, 0.1, 0), Rec(1, 1, 0, -0.1, 5),
                                                Rec(2, 0, 1, -0.1, 5, 0, 0), Rec(3, 0, 1, -0.1, 5, 0, 0.5)}));
  EXPECT_EQ(e, (Lines{"  0", "ARC",        "  8", "0",           " 10", "0.00000000", " 20", "0.00000000",
                      " 40", "1.00000000", " 50", "90.00000000", " 51", "0.00000000", "  0", "CIRCLE",
                      "  8", "0",          " 10", "0.00000000",  " 20", "0.50000000", " 40", "0.50000000"}));
}

TEST(PostDxf, ThreeDimensionsAndLatheOrientation) {
  MachineDefinition m = OfType(MachDxf);
  m.REDUN = true;
  PostRun run;
  Lines e = Entities(run.Post(m, {Rec(1, 1, 2, 3, 5)}));
  EXPECT_EQ(e, (Lines{"  0", "LINE", "  8", "0", " 10", "0.00000000", " 20", "0.00000000", " 30", "0.00000000", " 11",
                      "1.00000000", " 21", "2.00000000", " 31", "3.00000000"}));
  m.REDUN = false;
  m.ABSINC = 2;  // seen from the side: tool path Z across, X up
  e = Entities(run.Post(m, {Rec(1, 1, 2, 3, 5), "81 1 2 3 5 0.1 0"}));
  EXPECT_EQ(Lines(e.begin() + 8, e.begin() + 12), (Lines{" 11", "3.00000000", " 21", "1.00000000"}));
  EXPECT_EQ(Lines(e.end() - 8, e.end()), (Lines{"  0", "POINT", "  8", "0", " 10", "3.00000000", " 20", "1.00000000"}));
}

TEST(PostDxf, TextRecordsBecomeComments) {
  PostRun run;
  EXPECT_EQ(Entities(run.Post(OfType(MachDxf), {"900 (SERIAL 1)"})), (Lines{"999", " (SERIAL 1)"}));
}

TEST(PostEzTrack, NumberedLinesAndProgramEnd) {
  PostRun run;
  Lines nc = run.Post(OfType(MachEzTrack), {Rec(0, 1, 2, 0.1, 0), Rec(1, 1, 2, -0.1, 5), Rec(2, 2, 1, -0.1, 5, 1, 1),
                                            "-5 0 0 0 0", "83 1 1 0 4 0 0"});
  EXPECT_EQ(
      nc, (Lines{"0000 EZTRAK|SX 1 MODE|INCH", "0010 AUXFUN T1 M6", "0020 SETRPM S100", "0030 RAPID ABS X1.0 Y2.0 Z.1",
                 "0040 LINE ABS X1.0 Y2.0 Z-.1 F5.0", "0050 ARC|RADIUS ABS CW X2.0 Y1.0 Z-.1 R1.0 F5.0",
                 "0060 DR|PT ABS X1.0 Y1.0 Z0 F4.0", "0070 || END|PRGM"}));
}

TEST(PostPrintListing, FixedColumns) {
  PostRun run;
  Lines nc = run.Post(OfType(MachPrint), {Rec(0, 1, 2, 0.1, 0), Rec(3, -1.5, 0, 0, 12.5, 0.25, 0), "7 1 1 1 1"});
  EXPECT_EQ(nc, (Lines{"#    MODE       X         Y         Z         F         XC        YC",
                       "   1 RAPID     1.0000    2.0000    0.1000    0.0000",
                       "   2 CCW      -1.5000    0.0000    0.0000   12.5000    0.2500    0.0000",
                       "   3 CCW       1.0000    1.0000    1.0000    1.0000"}));
}

}  // namespace
}  // namespace quill::test
