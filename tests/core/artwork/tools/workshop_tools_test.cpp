// The tools as Art Workshop commands: the questions, the selection, and one step of Undo each.
#include <gtest/gtest.h>

#include "artwork/tools/workshop_tools.h"
#include "tools_fixture.h"

namespace quill {
namespace {

class WorkshopToolsTest : public WorkshopTest {
 protected:
  // The drawing with the listed entities selected, kept to compare with after an Undo.
  void Start(std::vector<tgEntity> entities, std::initializer_list<size_t> selected) {
    Fill(std::move(entities));
    SelectOnly(selected);
    before = doc.Items();
  }
  std::vector<tgEntity> before;
};

TEST_F(WorkshopToolsTest, AnAcceptedOptimisationReplacesTheSelectionAtTheEndAsOneUndoStep) {
  Start({Line(9, 9, 9, 8), Line(1, 0, 2, 0), Line(5, 5, 6, 6), Line(0, 0, 1, 0)}, {1, 3});
  std::vector<tgEntity> shown;
  bool hidden = false;
  EXPECT_EQ(OptimizeSelection(ui, doc, {}, -0.5, 0,
                              [&](const std::vector<tgEntity>& r) {
                                shown = r;
                                hidden = doc.hideSelected;
                              }),
            ToolStatus::Done);
  EXPECT_TRUE(hidden);
  EXPECT_FALSE(doc.hideSelected);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Accept Changes"});
  ASSERT_EQ(doc.Size(), 3u);
  ExpectLine(doc.At(0), 9, 9, 9, 8);
  ExpectLine(doc.At(1), 5, 5, 6, 6);
  ExpectLine(doc.At(2), 0, 0, 2, 0);
  EXPECT_EQ(Difference({doc.At(2)}, shown), "");
  EXPECT_EQ(doc.UndoLabel(), "Optimize Tool Path");
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(Difference(doc.Items(), before), "");
}

TEST_F(WorkshopToolsTest, AnOptimisationAnsweredNoLeavesTheDrawingWithNothingSelected) {
  Start(Square(0, 0, 1), {0, 1, 2, 3});
  ui.answers = {Answer::No};
  EXPECT_EQ(OptimizeSelection(ui, doc, {}, -1, -1), ToolStatus::Cancelled);
  EXPECT_EQ(doc.SelectedCount(), 0u);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_EQ(OptimizeSelection(ui, doc, {}, 0, 0), ToolStatus::Nothing);
  EXPECT_EQ(ui.Texts().back(), "First Select the Geometry to Optimize");
}

TEST_F(WorkshopToolsTest, CrossHatchAddsItsLinesOnlyWhenAccepted) {
  Start(Square(0, 0, 1), {0, 1, 2, 3});
  HatchOptions o;
  o.spacing = 0.25;
  ui.answers = {Answer::No};
  EXPECT_EQ(CrossHatchSelection(ui, doc, o), ToolStatus::Cancelled);
  EXPECT_EQ(doc.Size(), 4u);
  EXPECT_EQ(CrossHatchSelection(ui, doc, o), ToolStatus::Done);
  EXPECT_EQ(doc.Size(), 9u);
  EXPECT_EQ(ui.Texts().back(), "Cross Hatching, O.K.");
  EXPECT_EQ(doc.UndoLabel(), "Cross Hatch");
}

TEST_F(WorkshopToolsTest, LinearizeTakesEveryArcSelectedOrNot) {
  Start({Arc(0, 0, 1, 0, Pi), Line(5, 0, 6, 0), Arc(9, 0, 1, 0, Pi, false)}, {1});
  EXPECT_EQ(LinearizeDrawing(ui, doc, {0.01}), ToolStatus::Done);
  for (const tgEntity& e : doc.Items()) EXPECT_TRUE(e.IsLine());
  ExpectLine(doc.At(0), 5, 0, 6, 0);
  EXPECT_TRUE(doc.At(0).Selected());
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(Difference(doc.Items(), before), "");
  EXPECT_EQ(LinearizeDrawing(ui, doc, {0}), ToolStatus::Refused);
}

TEST_F(WorkshopToolsTest, DeskewStraightensThePickedAxisLineWithTheSelectionInPlace) {
  Start({Line(0, 0, 2, 2), Line(5, 5, 6, 5), Line(1, 1, 1, 3)}, {2});
  DeskewOptions o{DeskewScaling::None, DeskewAxis::Line, 0, 0};
  DeskewPicks p;
  p.originX = p.originY = 1;
  EXPECT_EQ(DeskewSelection(ui, doc, o, p, 0), ToolStatus::Done);
  EXPECT_TRUE(doc.At(0).Selected());
  ExpectLine(doc.At(0), -std::sqrt(2.0), 0, std::sqrt(2.0), 0, 1e-12);
  ExpectLine(doc.At(1), 5, 5, 6, 5);
  ExpectLine(doc.At(2), 0, 0, std::sqrt(2.0), std::sqrt(2.0), 1e-12);
  EXPECT_EQ(doc.UndoLabel(), "Deskew & Scale");
  EXPECT_EQ(DeskewSelection(ui, doc, o, p, 1), ToolStatus::Done);
  EXPECT_EQ(DeskewSelection(ui, doc, o, p, -1), ToolStatus::Nothing);
}

}  // namespace
}  // namespace quill
