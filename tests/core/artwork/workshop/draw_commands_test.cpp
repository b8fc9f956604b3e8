// The Draw menu: shapes, connections snapped to end points, curves, mid points and offsets.
#include "artwork/workshop/draw_commands.h"

#include "workshop_fixture.h"

namespace quill {
namespace {

using DrawTest = WorkshopTest;

TEST_F(DrawTest, ShapesWithoutSizeAddNothing) {
  Fill({});
  EXPECT_FALSE(DrawLine(doc, 1, 1, 1, 1));
  EXPECT_FALSE(DrawBox(doc, 0, 0, 0, 5));
  EXPECT_FALSE(DrawCircle(doc, 2, 2, 2, 2));
  EXPECT_FALSE(doc.CanUndo());
  ASSERT_TRUE(DrawBox(doc, 0, 0, 2, 1));
  ASSERT_TRUE(DrawCircle(doc, 1, 1, 4, 5));
  ASSERT_EQ(doc.Size(), 5u);
  ExpectLine(doc.At(1), 2, 0, 2, 1);
  const tgEntity& c = doc.At(4);
  EXPECT_TRUE(c.IsArc() && c.IsCCW() && c.IsFullCircle());
  EXPECT_DOUBLE_EQ(c.R(), 5);
  EXPECT_DOUBLE_EQ(c.FA(), TwoPi);
}

TEST_F(DrawTest, ConnectionsSnapToTheNearestEnds) {
  Fill({Line(0, 0, 1, 0), Line(3, 3, 4, 3)});
  ASSERT_TRUE(ConnectLine(doc, 1.2, 0.3, 2.9, 2.8));
  ExpectLine(doc.At(2), 1, 0, 3, 3);
  EXPECT_FALSE(ConnectLine(doc, 0.9, 0, 1.1, 0));  // both ends snap to the same point
  // The arc runs counter-clockwise from the start's end point to the end's, through the circle of the middle.
  ASSERT_TRUE(ConnectArc(ui, doc, {-0.1, 0}, {1.05, 0.02}, {0.5, -0.5}));
  const tgEntity& a = doc.Items().back();
  EXPECT_NEAR(a.X(), 0.5, 1e-9);
  EXPECT_NEAR(a.R(), 0.5, 1e-9);
  EXPECT_NEAR(a.SA(), Pi, 1e-9);
  EXPECT_NEAR(a.FA(), 0, 1e-9);
  size_t before = doc.Size();
  EXPECT_FALSE(ConnectArc(ui, doc, {0, 0}, {4, 3}, {2, 1.5}));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Could Not Find That Arc"});
  EXPECT_EQ(doc.Size(), before);
}

TEST_F(DrawTest, CurvesHaveFiftyPointsAndAtMost125ControlPoints) {
  Fill({Line(10, 10, 11, 10)});
  std::vector<CurvePoint> two{{0, 0}, {1, 1}};
  EXPECT_FALSE(DrawCurve(doc, two));
  std::vector<CurvePoint> three{{0, 0}, {1, 2}, {2, 0}};
  ASSERT_TRUE(DrawCurve(doc, three));
  ASSERT_EQ(doc.Size(), 50u);
  ExpectLine(doc.At(1), 0, 0, doc.At(2).X(), doc.At(2).Y());
  EXPECT_NEAR(doc.Items().back().XE(), 2, 1e-12);
  std::vector<CurvePoint> many(126, CurvePoint{1, 1});
  for (size_t i = 0; i < many.size(); ++i) many[i].X = static_cast<double>(i);
  EXPECT_FALSE(DrawCurve(doc, many));
  EXPECT_EQ(doc.Size(), 50u);
  // Connect - Curve: from the line's end, through one control point, to its start.
  ASSERT_TRUE(ConnectCurve(doc, {11.1, 10.1}, {9.9, 9.8}, std::vector<CurvePoint>{{10.5, 12}}));
  EXPECT_EQ(doc.Size(), 99u);
  EXPECT_NEAR(doc.At(50).X(), 11, 1e-12);
  EXPECT_NEAR(doc.Items().back().XE(), 10, 1e-12);
}

TEST_F(DrawTest, MidPointAndOffsetNeedExactlyOneSelected) {
  Fill({Line(0, 0, 4, 0), Arc(10, 0, 2, 0, HalfPi, false)});
  EXPECT_FALSE(AddMidPoint(doc));
  EXPECT_FALSE(OffsetThrough(ui, doc, 1, 1));
  SelectOnly({0, 1});
  EXPECT_FALSE(AddMidPoint(doc));
  SelectOnly({0});
  ASSERT_TRUE(AddMidPoint(doc));
  EXPECT_TRUE(doc.At(2).IsPoint() && !doc.At(2).Selected());
  EXPECT_DOUBLE_EQ(doc.At(2).X(), 2);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DrawTest, OffsetsPassThroughThePickedPoint) {
  Fill({Line(0, 0, 4, 0), Arc(10, 0, 2, 0, HalfPi, false), Point(1, 1)});
  SelectOnly({0});
  ASSERT_TRUE(OffsetThrough(ui, doc, 1, 1.5));   // left of the line
  ASSERT_TRUE(OffsetThrough(ui, doc, 3, -0.5));  // right of it
  ExpectLine(doc.At(3), 0, 1.5, 4, 1.5);
  ExpectLine(doc.At(4), 0, -0.5, 4, -0.5);
  EXPECT_FALSE(doc.At(3).Selected());
  EXPECT_FALSE(OffsetThrough(ui, doc, 2, 0));  // on the line itself
  // A clockwise arc of radius 2 offset through a point 3 from its centre.
  SelectOnly({1});
  ASSERT_TRUE(OffsetThrough(ui, doc, 10, 3));
  const tgEntity& a = doc.Items().back();
  EXPECT_DOUBLE_EQ(a.R(), 3);
  EXPECT_FALSE(a.IsCCW());
  EXPECT_DOUBLE_EQ(a.FA(), HalfPi);
  size_t before = doc.Size();
  EXPECT_FALSE(OffsetThrough(ui, doc, 10, 0));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"An Arc Cannot be Offset Through its Center"});
  SelectOnly({2});
  EXPECT_FALSE(OffsetThrough(ui, doc, 5, 5));
  EXPECT_EQ(ui.Texts().back(), "Offset called with Point");
  EXPECT_EQ(doc.Size(), before);
}

}  // namespace
}  // namespace quill
