// Entities of hand-written drawings and the TMG records they become.
#include <algorithm>
#include <cmath>

#include "artwork/dxf_entity.h"
#include "dxf_fixture.h"

namespace quill {
namespace {

TEST_F(DxfTest, CircleBecomesAFullCounterClockwiseArc) {
  auto tmg = Convert(Drawing(DxfGroups()(0, "CIRCLE")(8, "0").Point(10, 2, 3)(40, 1.0)));
  EXPECT_EQ(code, DxfDone);
  ASSERT_EQ(tmg.size(), 1u);
  ExpectTmg(tmg[0], TmgArc, {2, 3, 1, 0, 0, 0, 360});
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Arcs)], 1);
}

TEST_F(DxfTest, ArcsSeenFromBelowAreMirroredAndTiltedOnesDropped) {
  auto tmg = Convert(Drawing(DxfGroups()(0, "ARC")(8, "0")
                                 .Point(10, 2, 0)(40, 1.0)(50, 0.0)(51, 90.0)
                                 .Point(210, 0, 0, -1)(0, "ARC")(8, "0")
                                 .Point(10, 2, 0)(40, 1.0)(50, 0.0)(51, 90.0)
                                 .Point(210, 0, 1, 0)(0, "ARC")(8, "0")
                                 .Point(10, 2, 0)(40, -1.0)(50, 0.0)(51, 90.0)));
  ASSERT_EQ(tmg.size(), 1u);
  // The quarter from 0 to 90 degrees about (2, 0), seen from below, is the quarter from 90 to 180 about (-2, 0).
  ExpectTmg(tmg[0], TmgArc, {-2, 0, 1, 0, 0, 450, 540}, 1e-5);
}

TEST_F(DxfTest, LinesNeedTwoDifferentEnds) {
  auto tmg = Convert(Drawing(
      DxfGroups().Line(0, 0, 1, 2).Line(3, 3, 3, 3)(0, "3DLINE")(8, "0").Point(10, 0, 0, 0).Point(11, 0, 0, 1)));
  ASSERT_EQ(tmg.size(), 2u);
  ExpectTmg(tmg[0], TmgLine, {0, 0, 0, 1, 2, 0});
  ExpectTmg(tmg[1], TmgLine, {0, 0, 0, 0, 0, 0});
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Lines)], 2);
}

TEST_F(DxfTest, FacesAndSolidsGiveTheirOutlines) {
  auto triangle = Convert(
      Drawing(DxfGroups()(0, "3DFACE")(8, "0").Point(10, 0, 0).Point(11, 1, 0).Point(12, 1, 1).Point(13, 1, 1)));
  ASSERT_EQ(triangle.size(), 3u);
  ExpectTmg(triangle[2], TmgLine, {1, 1, 0, 0, 0});
  auto square = Convert(
      Drawing(DxfGroups()(0, "3DFACE")(8, "0").Point(10, 0, 0).Point(11, 1, 0).Point(12, 1, 1).Point(13, 0, 1)));
  EXPECT_EQ(square.size(), 4u);
  // A solid's third and fourth corners cross over: (0,0) (1,0) (0,1) (1,1) is the square.
  auto solid =
      Convert(Drawing(DxfGroups()(0, "SOLID")(8, "0").Point(10, 0, 0).Point(11, 1, 0).Point(12, 0, 1).Point(13, 1, 1)));
  ASSERT_EQ(solid.size(), 4u);
  ExpectTmg(solid[1], TmgLine, {1, 0, 0, 1, 1});
  ExpectTmg(solid[2], TmgLine, {1, 1, 0, 0, 1});
  ExpectTmg(solid[3], TmgLine, {0, 1, 0, 0, 0});
  // Without a fourth corner a trace is a triangle, not a shape reaching back to the origin.
  auto trace = Convert(Drawing(DxfGroups()(0, "TRACE")(8, "0").Point(10, 5, 5).Point(11, 6, 5).Point(12, 6, 6)));
  ASSERT_EQ(trace.size(), 3u);
  ExpectTmg(trace[2], TmgLine, {6, 6, 0, 5, 5});
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Faces)], 1);  // counted per drawing
}

TEST_F(DxfTest, BulgedPolylineGivesTheHalfCircleBelowAndItsClosingLine) {
  auto tmg = Convert(
      Drawing(DxfGroups()(0, "LWPOLYLINE")(8, "0")(90, "2")(70, "1")(10, 0.0)(20, 0.0)(42, 1.0)(10, 2.0)(20, 0.0)));
  ASSERT_EQ(tmg.size(), 2u);
  ExpectTmg(tmg[0], TmgArc, {1, 0, 1, 0, 0, 180, 0});
  ExpectTmg(tmg[1], TmgLine, {2, 0, 0, 0, 0});
  // Closed by its flags' first bit, whatever else they say; a negative bulge runs clockwise.
  auto cw =
      Convert(Drawing(DxfGroups()(0, "LWPOLYLINE")(8, "0")(70, "129")(10, 0.0)(20, 0.0)(42, -1.0)(10, 2.0)(20, 0.0)));
  ASSERT_EQ(cw.size(), 2u);
  ExpectTmg(cw[0], TmgArc, {1, 0, 1, 0, 0, 0, 180});
}

TEST_F(DxfTest, OldPolylinesTakeTheirVerticesUpToSeqend) {
  DxfGroups d;
  d(0, "POLYLINE")(8, "0")(66, "1")(70, "1");
  d(0, "VERTEX")(8, "0").Point(10, 0, 0)(42, 0.0);
  d(0, "VERTEX")(8, "0").Point(10, 0.00001, 0);  // on top of the one before: skipped
  d(0, "VERTEX")(8, "0").Point(10, 1, 0)(42, 1.0);
  d(0, "VERTEX")(8, "0").Point(10, 1, 2);
  d(0, "SEQEND")(8, "0").Line(5, 5, 6, 6);
  auto tmg = Convert(Drawing(d));
  ASSERT_EQ(tmg.size(), 4u);
  ExpectTmg(tmg[0], TmgLine, {0, 0, 0, 1, 0});
  ExpectTmg(tmg[1], TmgArc, {1, 1, 1, 0, 0, 270, 90});
  ExpectTmg(tmg[2], TmgLine, {1, 2, 0, 0, 0});
  ExpectTmg(tmg[3], TmgLine, {5, 5, 0, 6, 6});
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::PolyLines)], 1);
}

TEST_F(DxfTest, SplineFitPolylinesFollowTheirFrameThroughItsEnds) {
  DxfGroups d;
  d(0, "POLYLINE")(8, "0")(70, "4");
  for (int i = 0; i <= 4; ++i) d(0, "VERTEX")(8, "0").Point(10, i, i % 2)(70, "16");
  d(0, "VERTEX")(8, "0").Point(10, 9, 9)(70, "8");  // a fitted point, not part of the frame
  d(0, "SEQEND");
  auto tmg = Convert(Drawing(d), {"*", false, 0.05});
  ASSERT_GT(tmg.size(), 20u);
  ExpectTmg(tmg.front(), TmgLine, {0, 0});
  ExpectTmg(tmg.back(), TmgLine, {tmg.back().r[0], tmg.back().r[1], 0, 4, 0}, 1e-6);
  for (const auto& rec : tmg) EXPECT_LT(rec.r[3], 4.0 + 1e-6);
  EXPECT_TRUE(Listed("Spline Converted to Lines/Arcs"));
}

TEST_F(DxfTest, ArcFittingTurnsSampledCurvesIntoArcs) {
  DxfGroups d;
  d(0, "POLYLINE")(8, "0")(70, "4");
  for (int i = 0; i <= 8; ++i) d(0, "VERTEX")(8, "0").Point(10, std::cos(i * 0.3), std::sin(i * 0.3))(70, "16");
  d(0, "SEQEND");
  auto lines = Convert(Drawing(d), {"*", false, 0.005});
  auto arcs = Convert(Drawing(d), {"*", true, 0.005});
  ASSERT_FALSE(arcs.empty());
  EXPECT_LT(arcs.size(), lines.size() / 4);
  int arcCount = 0;
  for (const auto& rec : arcs) {
    if (rec.kind != TmgArc) continue;
    ++arcCount;
    EXPECT_NEAR(rec.r[2], 1.0, 0.01);
  }
  EXPECT_GT(arcCount, 0);
}

TEST_F(DxfTest, InsertScalesAndTurnsAboutTheBlocksBase) {
  DxfGroups d;
  d.Begin("BLOCKS")(0, "BLOCK")(8, "0")(2, "B")(70, "0").Point(10, 1, 1)(3, "B")(1, "");
  d.Line(2, 1, 3, 1)(0, "CIRCLE")(8, "0").Point(10, 2, 1)(40, 0.5);
  d(0, "ENDBLK")(8, "0").End();
  d.Begin("ENTITIES")(0, "INSERT")(8, "0")(2, "B").Point(10, 10, 0)(41, 2.0)(42, 2.0)(50, 90.0);
  d.Line(7, 7, 8, 8).End()(0, "EOF");
  auto tmg = Convert(d.str());
  ASSERT_EQ(tmg.size(), 3u);
  ExpectTmg(tmg[0], TmgLine, {10, 2, 0, 10, 4});
  ExpectTmg(tmg[1], TmgArc, {10, 2, 1, 0, 0, 90, 450});
  ExpectTmg(tmg[2], TmgLine, {7, 7, 0, 8, 8});  // the drawing goes on after the block
  EXPECT_TRUE(Listed("1 Blocks/DIM's Found"));
}

TEST_F(DxfTest, NestedAndMirroredInsertsTakeEveryLevel) {
  DxfGroups d;
  d.Begin("BLOCKS");
  d(0, "BLOCK")(2, "INNER").Point(10, 0, 0).Line(0, 0, 1, 0)(0, "ARC").Point(10, 0, 0)(40, 1.0)(50, 0.0)(51, 90.0);
  d(0, "ENDBLK");
  d(0, "BLOCK")(2, "OUTER").Point(10, 0, 0)(0, "INSERT")(2, "INNER").Point(10, 5, 0)(0, "ENDBLK").End();
  d.Begin("ENTITIES")(0, "INSERT")(2, "OUTER").Point(10, 100, 0)(41, -1.0).End()(0, "EOF");
  auto tmg = Convert(d.str());
  ASSERT_GE(tmg.size(), 2u);
  ExpectTmg(tmg[0], TmgLine, {95, 0, 0, 94, 0});
  // A mirrored insert stretches X and Y differently: the arc comes as a curve through its points.
  ExpectTmg(tmg[1], TmgLine, {94, 0});
  ExpectTmg(tmg.back(), TmgLine, {tmg.back().r[0], tmg.back().r[1], 0, 95, 1}, 1e-5);
}

TEST_F(DxfTest, InsertsThatInsertThemselvesStopAtTheFifthLevel) {
  DxfGroups d;
  d.Begin("BLOCKS")(0, "BLOCK")(2, "SELF").Point(10, 0, 0).Line(0, 0, 1, 0);
  for (int i = 0; i < 3; ++i) d(0, "INSERT")(2, "SELF").Point(10, 0, i + 1.0);
  d(0, "ENDBLK").End();
  d.Begin("ENTITIES")(0, "INSERT")(2, "SELF").Point(10, 0, 0)(0, "INSERT")(2, "MISSING").Line(0, 0, 9, 9).End();
  auto tmg = Convert(d.str());
  EXPECT_EQ(code, DxfDone);
  EXPECT_EQ(tmg.size(), 1u + 3 + 9 + 27 + 81 + 1);  // depths 1 to 5, then the last line
  ExpectTmg(tmg.back(), TmgLine, {0, 0, 0, 9, 9});
}

TEST_F(DxfTest, InsertsThatMultiplyWithoutEndAreCutShort) {
  DxfGroups d;
  d.Begin("BLOCKS")(0, "BLOCK")(2, "MANY").Point(10, 0, 0).Line(0, 0, 1, 0);
  for (int i = 0; i < 50; ++i) d(0, "INSERT")(2, "MANY").Point(10, i, 0);
  d(0, "ENDBLK").End().Begin("ENTITIES")(0, "INSERT")(2, "MANY").Point(10, 0, 0).Line(0, 0, 9, 9).End();
  DxfConversion how;
  how.maxBlockWork = 2000;  // 50 to the fifth would take all day
  auto tmg = Convert(d.str(), how);
  EXPECT_EQ(code, DxfDone);
  EXPECT_LT(tmg.size(), 2000u);
  ExpectTmg(tmg.back(), TmgLine, {0, 0, 0, 9, 9});
  EXPECT_TRUE(Listed("Too Many Inserted Entities, Drawing will be incomplete"));
}

TEST_F(DxfTest, ABlockCurveInsertedOverAndOverIsCutShortByWhatItWrites) {
  // One spline of a hundred points, inserted 300 times: a small file of this kind once wrote gigabytes.
  DxfGroups d;
  d.Begin("BLOCKS")(0, "BLOCK")(2, "S").Point(10, 0, 0)(0, "SPLINE")(71, "3");
  for (int i = 0; i < 100; ++i) d.Point(10, i, i % 2);
  d(0, "ENDBLK").End().Begin("ENTITIES");
  for (int i = 0; i < 300; ++i) d(0, "INSERT")(2, "S").Point(10, 0, 3.0 * i);
  d.Line(0, 0, 9, 9).End();
  DxfConversion how;
  how.maxBlockWork = 20'000;
  auto tmg = Convert(d.str(), how);
  EXPECT_EQ(code, DxfDone);
  EXPECT_GT(tmg.size(), 20'000u);
  EXPECT_LT(tmg.size(), 20'000u + 100 * 64);  // at most one more insert's curve past the limit
  ExpectTmg(tmg.back(), TmgLine, {0, 0, 0, 9, 9});
  EXPECT_TRUE(Listed("Too Many Inserted Entities, Drawing will be incomplete"));
}

TEST_F(DxfTest, DimensionsDrawTheirBlockWhereItStands) {
  DxfGroups d;
  d.Begin("BLOCKS")(0, "BLOCK")(2, "*D1").Point(10, 50, 50).Line(1, 1, 2, 2)(0, "ENDBLK").End();
  d.Begin("ENTITIES")(0, "DIMENSION")(8, "0")(2, "*D1").Point(10, 30, 30).End();
  auto tmg = Convert(d.str());
  ASSERT_EQ(tmg.size(), 1u);
  ExpectTmg(tmg[0], TmgLine, {1, 1, 0, 2, 2});
}

TEST_F(DxfTest, MoreThan350BlocksAreNotKept) {
  DxfGroups d;
  d.Begin("BLOCKS");
  for (int i = 1; i <= 352; ++i)
    d(0, "BLOCK")(2, "B" + std::to_string(i)).Point(10, 0, 0).Line(0, 0, i, 0)(0, "ENDBLK");
  d.End().Begin("ENTITIES")(0, "INSERT")(2, "B350").Point(10, 0, 0)(0, "INSERT")(2, "B351").Point(10, 0, 0).End();
  auto tmg = Convert(d.str());
  EXPECT_EQ(code, DxfTooManyBlocks);
  ASSERT_EQ(tmg.size(), 1u);
  ExpectTmg(tmg[0], TmgLine, {0, 0, 0, 350, 0});
  EXPECT_TRUE(Listed("More than 350 Blocks, Drawing will be incomplete"));
  EXPECT_TRUE(Listed("350 Blocks/DIM's Found"));
}

TEST_F(DxfTest, LayersAreNumberedAndColoured) {
  DxfGroups d;
  d.Begin("TABLES")(0, "TABLE")(2, "LAYER")(70, "3");
  d(0, "LAYER")(2, "FIRST")(70, "0")(62, "1")(6, "CONTINUOUS");
  d(0, "LAYER")(2, "SECOND")(62, "-5")(0, "ENDTAB").End();
  d.Begin("ENTITIES").Line(0, 0, 1, 0, "SECOND").Line(0, 0, 1, 0, "7").Line(0, 0, 1, 0, "UNKNOWN");
  d(0, "LINE")(8, "FIRST")(62, "3").Point(10, 0, 0).Point(11, 1, 1).End();
  auto tmg = Convert(d.str());
  ASSERT_EQ(tmg.size(), 4u);
  EXPECT_EQ(tmg[0].layer, 2);
  EXPECT_EQ(tmg[0].colour, 9);  // the layer's colour 5, mapped
  EXPECT_EQ(tmg[1].layer, 7);
  EXPECT_EQ(tmg[2].layer, 3);  // one past the known layers
  EXPECT_EQ(tmg[3].colour, 10);
  EXPECT_TRUE(Listed("2 Layers Found"));
  auto second = Convert(d.str(), {"2", false, 0.005});
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].layer, 2);
}

TEST_F(DxfTest, The257thLayerIsNotKeptAndSaidOnce) {
  DxfGroups d;
  d.Begin("TABLES")(0, "TABLE")(2, "LAYER");
  for (int i = 1; i <= 300; ++i) d(0, "LAYER")(2, "L" + std::to_string(i))(62, "1");
  d(0, "ENDTAB").End().Begin("ENTITIES").Line(0, 0, 1, 0, "L256").Line(0, 0, 1, 0, "L257").End();
  auto tmg = Convert(d.str());
  ASSERT_EQ(tmg.size(), 2u);
  EXPECT_EQ(tmg[0].layer, 25);  // 256 brought under 256 by tens
  EXPECT_EQ(tmg[1].layer, 25);  // not found: 257, likewise
  int said = 0;
  for (const auto& s : ui.status)
    said += s.text == "Files Contains More than 256 Layers, Some Layer Names Will be Lost";
  EXPECT_EQ(said, 1);
  EXPECT_TRUE(Listed("256 Layers Found"));
}

TEST_F(DxfTest, ColourNumbersMapToTheProgramsColours) {
  EXPECT_EQ(MapDxfColour(1), 12);
  EXPECT_EQ(MapDxfColour(-2), 14);
  EXPECT_EQ(MapDxfColour(7), 1);
  EXPECT_EQ(MapDxfColour(15.4), 7);
  EXPECT_EQ(MapDxfColour(16), 1);
  EXPECT_EQ(MapDxfColour(200), 200);
}

TEST_F(DxfTest, PointsAndDamagedNumbers) {
  auto tmg = Convert(Drawing(DxfGroups()(0, "POINT")(8, "0")(10, "1.5x")(20, "2")(0, "POINT")(10, "1e39")(20, " 3 ")));
  ASSERT_EQ(tmg.size(), 2u);
  ExpectTmg(tmg[0], TmgPoint, {0, 2});
  ExpectTmg(tmg[1], TmgPoint, {0, 3});
}

TEST_F(DxfTest, EmptyValuesKeepTheGroupsInStep) {
  // An empty text value once made the reader take the next code for it and lose the entity after.
  auto tmg =
      Convert(Drawing(DxfGroups()(0, "MTEXT")(1, "")(3, "LINE")(0, "LINE")(8, "0").Point(10, 0, 0).Point(11, 1, 1)));
  ASSERT_EQ(tmg.size(), 1u);
  ExpectTmg(tmg[0], TmgLine, {0, 0, 0, 1, 1});
}

TEST_F(DxfTest, SplinesFollowTheirControlPointsOrTheirFitPoints) {
  DxfGroups d;
  // A quadratic B-spline with three control points is the parabola-like Bezier arch: it peaks at 1.
  d(0, "SPLINE")(8, "0")(70, "8")(71, "2")(72, "6")(73, "3")(74, "0");
  for (double k : {0, 0, 0, 1, 1, 1}) d(40, k);
  d.Point(10, 0, 0).Point(10, 1, 2).Point(10, 2, 0);
  d(0, "SPLINE")(8, "0")(71, "3")(73, "0")(74, "3").Point(11, 10, 0).Point(11, 11, 1).Point(11, 12, 0);
  d(0, "SPLINE")(8, "0")(71, "3")(73, "0")(74, "0");
  auto tmg = Convert(Drawing(d));
  double peak = 0, fitPeak = 0;
  for (const auto& rec : tmg) {
    if (rec.r[0] < 5) peak = std::max(peak, rec.r[1]);
    if (rec.r[0] >= 10) fitPeak = std::max(fitPeak, rec.r[1]);
  }
  EXPECT_NEAR(peak, 1.0, 1e-3);
  EXPECT_NEAR(fitPeak, 1.0, 1e-3);
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Splines)], 2);
  EXPECT_TRUE(Listed("Spline Interpolation Data Missing from DXF file, Skipping"));
  EXPECT_FALSE(Listed("Spline # of Points Mis-Match"));
  Convert(Drawing(DxfGroups()(0, "SPLINE")(73, "4").Point(10, 0, 0).Point(10, 1, 0)));
  EXPECT_TRUE(Listed("Spline # of Points Mis-Match"));
}

// A long drawing shows how much of it has been read while its entities are converted.
TEST_F(DxfTest, EntitiesShowTheShareOfTheDrawingRead) {
  DxfGroups d;
  for (int i = 0; i < 5000; ++i) d.Line(i, 0, i, 1);
  ui.progressSteps.clear();
  EXPECT_EQ(Convert(Drawing(d)).size(), 5000u);
  EXPECT_EQ(ui.progressBegun, 2);  // the scan for line ends, then the entities
  ASSERT_GE(ui.progressSteps.size(), 4u + 1u);
  const std::vector<long> entities(ui.progressSteps.end() - 4, ui.progressSteps.end());
  EXPECT_TRUE(std::is_sorted(entities.begin(), entities.end()));
  EXPECT_GT(entities.front(), 0);
  EXPECT_LE(entities.back(), 1000);
}

}  // namespace
}  // namespace quill
