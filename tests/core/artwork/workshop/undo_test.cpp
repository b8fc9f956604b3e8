// Undo and Redo: every drawing change goes back and comes again exactly, in any order and mixture.
#include <random>

#include "artwork/workshop/clipboard.h"
#include "artwork/workshop/draw_commands.h"
#include "artwork/workshop/edit_commands.h"
#include "artwork/workshop/selection.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

using UndoTest = WorkshopTest;

TEST_F(UndoTest, EachCommandGoesBackAndComesAgain) {
  Fill({Line(0, 0, 2, 0), Arc(1, 1, 1, 0, Pi, false), Point(3, 3), Line(5, 5, 6, 6)});
  SelectOnly({0, 1});
  const auto start = doc.Items();
  std::vector<std::function<bool()>> commands = {
      [&] { return MoveSelected(ui, doc, 1, 2); },      [&] { return RotateSelected(ui, doc, 0, 0, 90); },
      [&] { return ScaleSelected(ui, doc, 1, 1, -2); }, [&] { return MirrorSelected(ui, doc, 3); },
      [&] { return SetAllArcsCCW(doc); },           [&] { return MoveOrigin(ui, doc, 5, 5); },
      [&] { return DrawBox(doc, 0, 0, 1, 1); },     [&] { return PasteEntities(ui, doc, {Line(0, 0, 1, 0)}, 5, 5); },
      [&] { return DeleteSelected(doc); },
  };
  for (auto& command : commands) {
    const auto before = doc.Items();
    ASSERT_TRUE(command());
    const auto after = doc.Items();
    EXPECT_FALSE(SameDrawing(before, after));
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(SameDrawing(doc.Items(), before)) << doc.RedoLabel();
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(SameDrawing(doc.Items(), after)) << doc.UndoLabel();
  }
  while (doc.Undo()) {
  }
  EXPECT_TRUE(SameDrawing(doc.Items(), start));
  EXPECT_EQ(ui.messages.size(), 0u);
}

TEST_F(UndoTest, LabelsNameTheCommandAndANewStepDropsTheRedo) {
  Fill({Line(0, 0, 1, 0)});
  EXPECT_FALSE(doc.CanUndo());
  DrawLine(doc, 0, 0, 0, 1);
  SelectAll(doc);
  MoveSelected(ui, doc, 1, 0);
  EXPECT_EQ(doc.UndoLabel(), "Move");
  doc.Undo();
  EXPECT_EQ(doc.RedoLabel(), "Move");
  EXPECT_EQ(doc.UndoLabel(), "Line");
  DrawLine(doc, 0, 0, 3, 3);
  EXPECT_FALSE(doc.CanRedo());
  // Selecting is no drawing change, and a command that changes nothing leaves no step.
  SelectNone(doc);
  EXPECT_FALSE(MoveSelected(ui, doc, 1, 1));
  EXPECT_EQ(doc.UndoLabel(), "Line");
}

TEST_F(UndoTest, ReplaceEntitiesAndReplaceAllAreOneStepEach) {
  Fill({Line(0, 0, 1, 0), Arc(0, 0, 1, 0, 1), Line(2, 2, 3, 3), Point(1, 1)});
  const auto start = doc.Items();
  // An arc replaced where it stands by two lines, as a linearising command would.
  doc.ReplaceEntities({1}, {Line(1, 0, 0.5, 0.8), Line(0.5, 0.8, 0.54, 0.84)}, "Linearize Arcs");
  ASSERT_EQ(doc.Size(), 5u);
  ExpectLine(doc.At(1), 1, 0, 0.5, 0.8);
  ExpectLine(doc.At(3), 2, 2, 3, 3);
  // A new order, as the optimiser would make it.
  auto reordered = doc.Items();
  std::swap(reordered[0], reordered[4]);
  doc.ReplaceAll(reordered, "Optimize Tool Path");
  EXPECT_TRUE(SameDrawing(doc.Items(), reordered));
  doc.Undo();
  doc.Undo();
  EXPECT_TRUE(SameDrawing(doc.Items(), start));
  // Places beyond the drawing are ignored; none listed adds at the end.
  doc.ReplaceEntities({99}, {Point(7, 7)}, "Add");
  EXPECT_TRUE(doc.At(4).IsPoint());
}

// Random mixtures of additions, removals, changes and replacements, undone and redone to the end.
TEST_F(UndoTest, RandomEditsUndoToTheStartAndRedoToTheEnd) {
  std::mt19937 rng(18);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  for (int round = 0; round < 20; ++round) {
    std::vector<tgEntity> start;
    for (int i = 0; i < 30; ++i) start.push_back(Line(i, 0, i, 1));
    Fill(start);
    std::vector<std::vector<tgEntity>> states{start};
    for (int step = 0; step < 15; ++step) {
      std::vector<size_t> some;
      for (int k = 0; k < 4 && doc.Size() > 0; ++k) some.push_back(pick(doc.Size()));
      double v = step + round * 100.0;
      switch (pick(4)) {
        case 0: doc.Append({Line(v, v, v + 1, v)}, "a"); break;
        case 1: doc.Remove(some, "r"); break;
        case 2:
          doc.Modify(
              some, [&](tgEntity& e) { e.Move(ui, v, 1, 0); }, "m");
          break;
        default: doc.ReplaceEntities(some, {Point(v, 0), Point(v, 1)}, "x"); break;
      }
      if (!SameDrawing(doc.Items(), states.back())) states.push_back(doc.Items());
    }
    for (size_t i = states.size() - 1; i > 0; --i) {
      ASSERT_TRUE(doc.Undo());
      ASSERT_TRUE(SameDrawing(doc.Items(), states[i - 1])) << "round " << round << " state " << i;
    }
    EXPECT_FALSE(doc.Undo());
    for (size_t i = 1; i < states.size(); ++i) {
      ASSERT_TRUE(doc.Redo());
      ASSERT_TRUE(SameDrawing(doc.Items(), states[i]));
    }
  }
}

TEST_F(UndoTest, OldStepsAreForgottenPastTheLimit) {
  Fill({});
  for (size_t i = 0; i < UndoHistory::MaxSteps + 10; ++i) DrawLine(doc, 0, 0, 1.0 + static_cast<double>(i), 0);
  size_t undone = 0;
  while (doc.Undo()) ++undone;
  EXPECT_EQ(undone, UndoHistory::MaxSteps);
  EXPECT_EQ(doc.Size(), 10u);
}

}  // namespace
}  // namespace quill
