// Show Information's figures and the View commands, near the origin and far from it.
#include "artwork/workshop/information.h"
#include "artwork/workshop/view_commands.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

using InformationTest = WorkshopTest;
using ViewTest = WorkshopTest;

TEST_F(InformationTest, FifteenFiguresWithAPointAndNoErrorBox) {
  Fill({Line(0, 0, 3, 4), Line(0, 0, 1, 0), Arc(10, 0, 2, 0, Pi), Arc(0, 0, 0.5, 0, TwoPi), Point(-4, 1)});
  auto lines = InformationLines(ComputeInformation(doc));
  EXPECT_TRUE(ui.messages.empty());
  std::vector<std::pair<std::string, std::string>> expected = {{"Minimum -X-  :", "-4.000000000000000"},
                                                               {"Minimum -Y-  :", "-0.500000000000000"},
                                                               {"Maximum -X-  :", "12.000000000000000"},
                                                               {"Maximum -Y-  :", "4.000000000000000"},
                                                               {"Center in -X-  :", "4.000000000000000"},
                                                               {"Center in -Y-  :", "1.750000000000000"},
                                                               {"Total Length :", "15.424777960769379"},
                                                               {"Longest Line  :", "5.000000000000000"},
                                                               {"Shortest Line  :", "1.000000000000000"},
                                                               {"Average Line Length :", "3.000000000000000"},
                                                               {"Largest Arc Radius  :", "2.000000000000000"},
                                                               {"Smallest Arc Radius  :", "0.500000000000000"},
                                                               {"Number of Lines  :", "2"},
                                                               {"Number of Arcs :", "2"},
                                                               {"Total Lines / Arcs :", "4"}};
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].label, expected[i].first);
    EXPECT_EQ(lines[i].value, expected[i].second) << expected[i].first;
  }
}

TEST_F(InformationTest, FarDrawingsAndLargeRadiiAreMeasuredTruly) {
  Fill({Arc(20000, -15000, 5000, 0, TwoPi), Line(20000, 0, 40000, 0)});
  WorkshopInformation info = ComputeInformation(doc);
  EXPECT_EQ(info.minX, 15000);
  EXPECT_EQ(info.maxX, 40000);
  EXPECT_EQ(info.minY, -20000);
  EXPECT_EQ(info.smallestRadius, 5000);
  EXPECT_EQ(info.shortestLine, 20000);
  Fill({});
  info = ComputeInformation(doc);
  EXPECT_EQ(info.minX, 0);
  EXPECT_EQ(info.shortestLine, 0);
  EXPECT_EQ(info.smallestRadius, 0);
}

TEST_F(ViewTest, ExtentsAddTenPercentAndKeepThePreviousWindow) {
  Fill({Line(5000, 100, 5010, 105)});
  ASSERT_TRUE(ViewExtents(doc));
  EXPECT_DOUBLE_EQ(doc.window.Xmin, 4999);
  EXPECT_DOUBLE_EQ(doc.window.Xmax, 5011);
  EXPECT_DOUBLE_EQ(doc.window.Ymin, 99.5);
  EXPECT_DOUBLE_EQ(doc.window.Ymax, 105.5);
  EXPECT_DOUBLE_EQ(doc.previousWindow.Xmin, -10);
  ViewPrevious(doc);
  EXPECT_DOUBLE_EQ(doc.window.Xmax, 10);
  EXPECT_DOUBLE_EQ(doc.previousWindow.Xmax, 5011);
  // One point has no size: it gets a square window about it.
  Fill({Point(3, 3)});
  ASSERT_TRUE(ViewExtents(doc));
  EXPECT_DOUBLE_EQ(doc.window.Xmax - doc.window.Xmin, 1.2);
  EXPECT_DOUBLE_EQ(doc.window.Ymin, 2.4);
  Fill({});
  EXPECT_FALSE(ViewExtents(doc));
  EXPECT_DOUBLE_EQ(doc.window.Ymin, 2.4);
}

TEST_F(ViewTest, ZoomZoomOutDefaultAndScroll) {
  EXPECT_FALSE(ViewZoom(doc, 1, 1, 1, 5));  // no width
  EXPECT_FALSE(ViewZoom(doc, 1, 1, 3, 1));  // no height
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -10);
  ASSERT_TRUE(ViewZoom(doc, 4, 3, 0, 1));
  EXPECT_DOUBLE_EQ(doc.window.Xmin, 0);
  EXPECT_DOUBLE_EQ(doc.window.Ymax, 3);
  ViewZoomOut(doc);
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -1);
  EXPECT_DOUBLE_EQ(doc.window.Ymax, 3.5);
  ViewScroll(doc, 10, 50);  // 10 % of the width right, half the height down
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -0.4);
  EXPECT_DOUBLE_EQ(doc.window.Ymax, 2);
  ViewDefault(doc);
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -10);
  EXPECT_DOUBLE_EQ(doc.window.Ymax, 7);
}

}  // namespace
}  // namespace quill
