#include "artwork/workshop_paint_box.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "artwork/workshop/drawing.h"
#include "job/job.h"
#include "picture/picture_area.h"

namespace quill {

namespace {

constexpr int kInitialWidth = 800, kInitialHeight = 600;
// A click finds the entities within this many inches on the screen.
constexpr double kPickInches = 0.1;

MouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
  }
}

}  // namespace

WorkshopPaintBox::WorkshopPaintBox(Job& job, WorkshopDocument& doc, QWidget* parent)
    : QWidget(parent),
      job_(job),
      canvas_(kInitialWidth, kInitialHeight, logicalDpiX()),
      session_(job, doc, canvas_),
      picks_(doc) {
  setObjectName("PaintBox");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(CrossHairCursor());
  setMinimumSize(64, 64);
}

void WorkshopPaintBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, canvas_.Present());
}

void WorkshopPaintBox::resizeEvent(QResizeEvent*) {
  canvas_.Resize(width(), height(), devicePixelRatioF());
  session_.ShowWindow();
}

void WorkshopPaintBox::DrawOver(const std::vector<tgEntity>& entities) {
  for (const tgEntity& e : entities) DrawWorkshopEntity(e, job_.prefs, session_.View(), canvas_);
  update();
}

QPoint WorkshopPaintBox::PixelOf(QMouseEvent* event) const {
  QPointF at = event->position();
  return {canvas_.ToPixel(at.x()), canvas_.ToPixel(at.y())};
}

bool WorkshopPaintBox::ToPicks(QMouseEvent* event, bool press) {
  QPoint at = PixelOf(event);
  double x = 0, y = 0;
  session_.View().PixelToWorld(at.x(), at.y(), x, y);
  MouseButton button = ButtonOf(event->button());
  bool taken =
      press ? picks_.Press(button, x, y) : picks_.Release(button, x, y, kPickInches / session_.View().UnitsToInches());
  if (taken) Report({});
  return taken;
}

void WorkshopPaintBox::mousePressEvent(QMouseEvent* event) {
  if (ToPicks(event, true)) return;
  QPoint at = PixelOf(event);
  bool idle = session_.Tool() == WorkshopTool::Pick;
  SessionOutcome outcome =
      session_.Press(ButtonOf(event->button()), at.x(), at.y(), event->modifiers().testFlag(Qt::ShiftModifier));
  Report(outcome);
  if (event->button() == Qt::RightButton && idle && popup_) popup_->popup(event->globalPosition().toPoint());
}

void WorkshopPaintBox::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = PixelOf(event);
  session_.Move(at.x(), at.y());
  if (cursor_) cursor_(QString::fromStdString(session_.CursorText(at.x(), at.y())));
  update();
}

void WorkshopPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (ToPicks(event, false)) return;
  QPoint at = PixelOf(event);
  Report(session_.Release(ButtonOf(event->button()), at.x(), at.y()));
}

void WorkshopPaintBox::Report(const SessionOutcome& outcome) {
  update();
  if (outcome_) outcome_(outcome);
}

}  // namespace quill
