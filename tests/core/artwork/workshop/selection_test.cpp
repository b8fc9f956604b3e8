// Selection commands, chains, picks and snapping.
#include "artwork/workshop/selection.h"

#include "artwork/workshop/picking.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

using SelectionTest = WorkshopTest;

std::vector<size_t> Selected(const WorkshopDocument& doc) {
  return doc.SelectedIndices();
}

TEST_F(SelectionTest, ByKindInvertAndNone) {
  Fill({Line(0, 0, 1, 0), Arc(0, 0, 1, 0, 1), Point(1, 1), Arc(5, 5, 1, 0, 1)});
  SelectArcs(doc);
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{1, 3}));
  SelectLines(doc);
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{0, 1, 3}));
  InvertSelection(doc);
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{2}));
  SelectAll(doc);
  EXPECT_EQ(doc.SelectedCount(), 4u);
  SelectNone(doc);
  EXPECT_EQ(doc.FirstSelected(), -1);
}

TEST_F(SelectionTest, WindowTakesWhatLiesWhollyInsideByItsTrueBox) {
  // The arc's ends lie inside the window, its bulge does not.
  Fill({Line(0, 0, 1, 1), Arc(5, 0, 1, 0, Pi), Line(0, 0, 3, 0), Point(2, 2), Line(5000, 5000, 5001, 5000)});
  EXPECT_EQ(SelectWindow(doc, 2.5, 0, -0.5, 2), 2u);  // corners in any order; the edges count
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{0, 3}));
  SelectWindow(doc, 3.9, -0.1, 6.1, 1.01);
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{0, 1, 3}));
  SelectWindow(doc, 4999, 4999, 5002, 5001);
  EXPECT_TRUE(doc.At(4).Selected());
}

TEST_F(SelectionTest, ChainRunsRoundASquareFromOneSide) {
  std::vector<tgEntity> d = {Line(9, 9, 10, 10)};
  for (const tgEntity& e : Square(0, 0, 1)) d.push_back(e);
  d.push_back(Line(1, 1, 5, 5));  // a spur at a corner the chain passes
  Fill(d);
  SelectOnly({1});
  EXPECT_EQ(SelectChain(ui, doc), 3u);
  // From (1, 0) the second side; at (1, 1) the third comes before the spur in the list.
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{1, 2, 3, 4}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SelectionTest, ChainFollowsEndsInEitherDirectionAndStopsAtAGap) {
  // A reversed line and a clockwise arc in the chain; the last line is a hair too far away.
  Fill({Line(0, 0, 1, 0), Line(2, 0, 1, 0), Arc(3, 0, 1, Pi, 0, false), Line(4.0001, 0, 5, 0)});
  SelectOnly({0});
  EXPECT_EQ(SelectChain(ui, doc), 2u);
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{0, 1, 2}));
  // A line without neighbours selects nothing more.
  SelectOnly({3});
  EXPECT_EQ(SelectChain(ui, doc), 0u);
  // A neighbour touching the first entity with both ends goes on from the end its start did not touch.
  Fill({Line(0, 0, 1, 0), Line(1, 0, 0, 0), Line(0, 0, 0, -1), Line(1, 0, 1, -1)});
  SelectOnly({0});
  SelectChain(ui, doc);
  EXPECT_EQ(Selected(doc), (std::vector<size_t>{0, 1, 2}));
}

TEST_F(SelectionTest, ChainNeedsOneStartingEntity) {
  Fill(Square(0, 0, 1));
  SelectChain(ui, doc);
  SelectOnly({0, 1});
  SelectChain(ui, doc);
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_EQ(ui.Texts()[0], "First Select a Single Starting Entity");
  EXPECT_EQ(doc.SelectedCount(), 2u);
}

TEST_F(SelectionTest, LongChainsAndFarDrawings) {
  std::vector<tgEntity> zigzag;
  for (int i = 0; i < 20000; ++i) zigzag.push_back(Line(1e6 + i, i % 2, 1e6 + i + 1, (i + 1) % 2));
  Fill(zigzag);
  SelectOnly({0});
  EXPECT_EQ(SelectChain(ui, doc), 19999u);
}

TEST_F(SelectionTest, PickTakesTheNearestWithinTheGrownBox) {
  Fill({Line(0, 0, 10, 0), Line(0, 0.05, 10, 0.05), Arc(20, 0, 2, 0, TwoPi), Line(0, 0.05, 10, 0.05)});
  EXPECT_EQ(PickEntity(doc, 5, 0.04, 0.1), 1);  // the second of two at equal distance is not taken
  EXPECT_EQ(doc.lastPicked, 1);
  EXPECT_TRUE(doc.At(1).Selected());
  EXPECT_EQ(NearestEntity(doc, 21.9, 0.1, 0.1), 2);
  EXPECT_EQ(NearestEntity(doc, 11, 0, 0.1), -1);  // beyond the box of every entity
  EXPECT_EQ(PickEntity(doc, 15, 5, 0.1), -1);
  EXPECT_EQ(doc.lastPicked, -1);
}

TEST_F(SelectionTest, SnappingTakesTheNearestEndEvenFarAway) {
  Fill({Line(0, 0, 1, 0), Arc(0, 0, 1, 0, HalfPi)});
  double x = 0.1, y = 0.9;
  SnapToEndPoint(doc, x, y);
  EXPECT_NEAR(x, 0, 1e-12);  // the arc's end at (0, 1)
  EXPECT_NEAR(y, 1, 1e-12);
  Fill({Line(300000, 0, 300001, 0)});
  x = y = 0;
  SnapToEndPoint(doc, x, y);
  EXPECT_EQ(x, 300000);
  Fill({});
  x = y = 5;
  SnapToEndPoint(doc, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

}  // namespace
}  // namespace quill
