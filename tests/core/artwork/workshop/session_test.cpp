// The workshop driven as the operator drives it: mouse presses, moves and releases on the picture.
#include "artwork/workshop/session.h"

#include <algorithm>

#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop/edit_commands.h"
#include "records/artwork_record.h"
#include "view/recording_canvas.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

class SessionTest : public WorkshopTest {
 protected:
  SessionTest() { session.ShowWindow(); }

  PixelPoint Px(double x, double y) { return session.View().WorldToPixel(x, y); }
  void Press(double x, double y, MouseButton b = MouseButton::Left, bool shift = false) {
    PixelPoint p = Px(x, y);
    session.Press(b, p.x, p.y, shift);
  }
  void MoveTo(double x, double y) {
    PixelPoint p = Px(x, y);
    session.Move(p.x, p.y);
  }
  SessionOutcome Release(double x, double y) {
    PixelPoint p = Px(x, y);
    return session.Release(MouseButton::Left, p.x, p.y);
  }
  void Click(double x, double y, bool shift = false) {
    Press(x, y, MouseButton::Left, shift);
    Release(x, y);
  }
  SessionOutcome Drag(double x1, double y1, double x2, double y2) {
    Press(x1, y1);
    MoveTo((x1 + x2) / 2, (y1 + y2) / 2);
    MoveTo(x2, y2);
    return Release(x2, y2);
  }
  SessionOutcome RightClick() { return session.Press(MouseButton::Right, 0, 0, false); }
  // Where the last rubber band drawn starts: the move after the last switch to an XOR pen.
  PixelPoint LastBandStart() const {
    const auto& ops = canvas.Ops();
    size_t i = ops.size();
    while (i > 0 && !(ops[i - 1].kind == CanvasOp::Mode && ops[i - 1].mode != PenMode::Copy)) --i;
    for (; i < ops.size(); ++i) {
      if (ops[i].kind == CanvasOp::Move) return {ops[i].x, ops[i].y};
    }
    return {-1, -1};
  }
  long XorOps() const {
    const auto& ops = canvas.Ops();
    return std::count_if(ops.begin(), ops.end(),
                         [](const CanvasOp& op) { return op.kind == CanvasOp::Mode && op.mode != PenMode::Copy; });
  }

  RecordingCanvas canvas{800, 400, 96};
  WorkshopSession session{job, doc, canvas};
};

TEST_F(SessionTest, ABoxDrawnWithTheMouseIsSelectedRotatedAndSaved) {
  doc.loaded = true;
  ASSERT_TRUE(session.Start(WorkshopTool::Box));
  Drag(1, 1, 3, 2);
  EXPECT_GT(XorOps(), 0);                        // the rubber band
  EXPECT_EQ(session.Tool(), WorkshopTool::Box);  // ready for the next box
  RightClick();
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);
  ASSERT_EQ(doc.Size(), 4u);
  ASSERT_TRUE(session.Start(WorkshopTool::SelectWindow));
  Drag(0, 0, 4, 3);
  EXPECT_EQ(doc.SelectedCount(), 4u);
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);
  // The coordinate window's "Base/Amount of Rotation": (0, 0), 90 degrees.
  ASSERT_TRUE(RotateSelected(ui, doc, 0, 0, 90));
  session.Redraw();
  ui.answers = {Answer::Yes};
  ASSERT_TRUE(CloseWorkshop(job, doc));
  auto lines = test::ReadLines(job.paths.ArtFileName);
  ASSERT_EQ(lines.size(), 4u);
  // The pixel grid moves the corners a little; the first side runs from about (-1, 1) to (-1, 3).
  ArtRecord r;
  ASSERT_TRUE(ParseArtRecord(lines[0], r));
  EXPECT_EQ(r.kind, ArtLine);
  EXPECT_NEAR(r.v[0], -1, 0.05);
  EXPECT_NEAR(r.v[1], 1, 0.05);
  EXPECT_NEAR(r.v[2], -1, 0.05);
  EXPECT_NEAR(r.v[3], 3, 0.05);
}

TEST_F(SessionTest, ClicksPickShiftAddsAndAnEmptyClickClears) {
  Fill({Line(0, 0, 4, 0), Line(0, 2, 4, 2)});
  session.Redraw();
  Click(2, 0.02);
  EXPECT_EQ(doc.SelectedIndices(), std::vector<size_t>{0});
  EXPECT_EQ(doc.lastPicked, 0);
  Click(2, 2.02, true);
  EXPECT_EQ(doc.SelectedCount(), 2u);
  canvas.Reset();
  session.Redraw();
  const auto& ops = canvas.Ops();
  long marks = std::count_if(ops.begin(), ops.end(), [](const CanvasOp& op) { return op.kind == CanvasOp::Fill; });
  EXPECT_EQ(marks, 1 + 4);  // the background and two squares on each line
  Click(8, 5);
  EXPECT_EQ(doc.SelectedCount(), 0u);
}

// A window selection only adds marks: they are drawn over the picture, which is not drawn again (on a
// large drawing a redraw is what an operator would wait for).
TEST_F(SessionTest, AWindowSelectionMarksWhatItTakesWithoutARedraw) {
  Fill({Line(0, 0, 4, 0), Line(0, 2, 4, 2), Line(6, 0, 7, 0)});
  session.Redraw();
  ASSERT_TRUE(session.Start(WorkshopTool::SelectWindow));
  canvas.Reset();
  Drag(-1, -1, 5, 3);
  EXPECT_EQ(doc.SelectedIndices(), (std::vector<size_t>{0, 1}));
  const auto& ops = canvas.Ops();
  long fills = std::count_if(ops.begin(), ops.end(), [](const CanvasOp& op) { return op.kind == CanvasOp::Fill; });
  EXPECT_EQ(fills, 4);  // two squares on each line taken, and no background
}

TEST_F(SessionTest, ConnectToolsPromptAndRepeatUntilTheRightButton) {
  Fill({Line(0, 0, 1, 0), Line(3, 3, 4, 3)});
  ASSERT_TRUE(session.Start(WorkshopTool::ConnectArc));
  EXPECT_EQ(session.Prompt(), "Select Start Point");
  Press(0.95, 0.05);
  EXPECT_EQ(session.Prompt(), "Select End Point");
  Press(3.05, 2.9);
  EXPECT_EQ(session.Prompt(), "Select Mid Point");
  Press(2, 1);
  EXPECT_EQ(session.Prompt(), "Select Start Point");
  ASSERT_EQ(doc.Size(), 3u);
  double x, y, z;
  doc.At(2).StartXYZ(x, y, z);
  EXPECT_NEAR(x, 1, 1e-9);  // snapped exactly, whatever the pixels
  Press(1, 0);
  RightClick();  // a pending pick is cancelled
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);
  EXPECT_EQ(session.Prompt(), "");
  EXPECT_EQ(doc.Size(), 3u);
}

TEST_F(SessionTest, CurvesEndOnTheRightButtonAndTakeAt125Points) {
  ASSERT_TRUE(session.Start(WorkshopTool::Curve));
  EXPECT_EQ(session.Prompt(), "Select Curve Points, Right Mouse Botton When Done");
  for (int i = 0; i < 126; ++i) Press(-8 + i * 0.1, (i % 2) * 2);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"A Curve Takes at Most 125 Points"});
  RightClick();
  EXPECT_EQ(doc.Size(), 49u);
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);
  // Two points make no curve.
  ASSERT_TRUE(session.Start(WorkshopTool::Curve));
  Press(0, 0);
  Press(1, 1);
  RightClick();
  EXPECT_EQ(doc.Size(), 49u);
}

TEST_F(SessionTest, CirclesLinesAndOffsets) {
  ASSERT_TRUE(session.Start(WorkshopTool::Circle));
  Press(0, 0);
  Release(0, 0);
  MoveTo(2, 0);
  EXPECT_EQ(session.Band(), RubberBand::Circle);
  Press(3, 0);
  ASSERT_EQ(doc.Size(), 1u);
  EXPECT_NEAR(doc.At(0).R(), 3, 0.05);
  ASSERT_TRUE(session.Start(WorkshopTool::Line));
  Drag(-5, -5, -2, -5);
  Click(6, 6);  // a click draws no line
  ASSERT_EQ(doc.Size(), 2u);
  // Offset needs the one selected entity; an arc shows the circle it will lie on.
  EXPECT_FALSE(session.Start(WorkshopTool::Offset));
  doc.Select(0, true);
  ASSERT_TRUE(session.Start(WorkshopTool::Offset));
  EXPECT_EQ(session.Band(), RubberBand::LineCircle);
  MoveTo(0, 4);
  // A new window moves the band's fixed end with the drawing.
  PixelPoint before = Px(0, 0);
  session.Scroll(20, 0);
  ASSERT_NE(Px(0, 0).x, before.x);
  EXPECT_EQ(LastBandStart().x, Px(0, 0).x);
  EXPECT_EQ(LastBandStart().y, Px(0, 0).y);
  Press(0, 5);
  Press(0, 1);
  EXPECT_EQ(doc.Size(), 4u);
  EXPECT_NEAR(doc.At(3).R(), 1, 0.05);
  RightClick();
  EXPECT_EQ(session.Band(), RubberBand::None);
}

TEST_F(SessionTest, MirrorPasteAndNewOriginEndAfterTheirPick) {
  Fill({Line(0, -5, 0, 5), Line(1, 0, 2, 0)});
  EXPECT_FALSE(session.Start(WorkshopTool::Mirror));
  doc.Select(0, true);
  doc.Select(1, true);
  ASSERT_TRUE(session.Start(WorkshopTool::Mirror));
  EXPECT_EQ(session.Prompt(), "Select Mirror Line");
  Click(0.02, 3);
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);
  ExpectLine(doc.At(1), -1, 0, -2, 0);
  ExpectLine(doc.At(0), 0, -5, 0, 5);

  EXPECT_FALSE(session.StartPaste("no geometry here"));
  ASSERT_TRUE(session.StartPaste("*** QXS Geometry ***\r\nPoint  X1.00000 Y0.00000 Z0.00000\r\n"));
  EXPECT_EQ(session.Prompt(), "Select Origin for Paste");
  Press(4, 4);
  ASSERT_EQ(doc.Size(), 3u);
  EXPECT_NEAR(doc.At(2).X(), 5, 0.05);
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);

  ASSERT_TRUE(session.Start(WorkshopTool::NewOrigin));
  EXPECT_EQ(session.Prompt(), "Select New Origin");
  Press(0, -5);
  EXPECT_NEAR(doc.At(0).Y(), 0, 0.05);
  EXPECT_EQ(session.Tool(), WorkshopTool::Pick);
}

TEST_F(SessionTest, ZoomByBoxAndTheCursorText) {
  ASSERT_TRUE(session.Start(WorkshopTool::Zoom));
  Click(1, 1);  // a box without size leaves the window
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -10);
  ASSERT_TRUE(session.Start(WorkshopTool::Zoom));
  EXPECT_TRUE(Drag(1, 1, 5, 3).windowChanged);
  EXPECT_NEAR(doc.window.Xmin, 1, 0.05);
  EXPECT_NEAR(doc.window.Ymax, 3, 0.05);
  session.ViewPrevious();
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -10);
  PixelPoint centre = Px(0, 0);
  EXPECT_EQ(session.CursorText(centre.x, centre.y), "X0.0000, Y0.0000");
  session.Scroll(10, 0);
  EXPECT_EQ(session.ScrollX(), 10);
  EXPECT_DOUBLE_EQ(doc.window.Xmin, -8);
}

}  // namespace
}  // namespace quill
