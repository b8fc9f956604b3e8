// The workshop's picture: a drawing that mixes lines and arcs entity by entity is drawn one colour at a
// time (each change of pen breaks the screen's runs of lines, which a 100,000-entity map would pay for
// on every entity), and the selection marks lie on top of every stroke.
#include "artwork/workshop/drawing.h"

#include <algorithm>

#include "view/recording_canvas.h"
#include "view/trwindow.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

using DrawingTest = WorkshopTest;

TEST_F(DrawingTest, OneColourAtATimeAndTheMarksOnTop) {
  std::vector<tgEntity> mixed;
  for (int i = 0; i < 20; ++i) {
    mixed.push_back(Line(i, 0, i + 0.5, 0));
    mixed.push_back(Arc(i, 1, 0.25, 0, Pi));
  }
  mixed.push_back(Point(3, 3));
  doc.Reset(mixed);
  doc.Select(0, true);
  doc.Select(1, true);
  doc.showAxes = false;
  RecordingCanvas canvas(800, 400, 96);
  Trwindow view;
  view.Attach(canvas);
  view.SetAspect(800, 400);
  view.SetWindow(-1, -2, 21, 4);
  view.MapToCanvas(canvas);
  canvas.Reset();
  DrawWorkshop(doc, job.prefs, view, canvas);

  const auto& ops = canvas.Ops();
  // The background is filled first; the marks are the fills after the first stroke.
  auto firstStroke = std::find_if(ops.begin(), ops.end(), [](const CanvasOp& op) { return op.kind == CanvasOp::Line; });
  auto firstMark = std::find_if(firstStroke, ops.end(), [](const CanvasOp& op) { return op.kind == CanvasOp::Fill; });
  ASSERT_NE(firstMark, ops.end());
  long pens = 0, strokesAfterMarks = 0, marks = 0;
  for (auto it = ops.begin(); it != ops.end(); ++it) {
    if (it->kind == CanvasOp::Pen) ++pens;
    if (it >= firstMark && it->kind == CanvasOp::Line) ++strokesAfterMarks;
    if (it >= firstMark && it->kind == CanvasOp::Fill) ++marks;
  }
  EXPECT_LE(pens, 3);  // lines, arcs, the point
  EXPECT_EQ(strokesAfterMarks, 0);
  EXPECT_EQ(marks, 2 + 3);  // a line's two ends, an arc's start, middle and end
}

}  // namespace
}  // namespace quill
