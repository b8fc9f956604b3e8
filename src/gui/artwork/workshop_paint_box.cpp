#include "artwork/workshop_paint_box.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "picture/picture_area.h"

namespace quill {

namespace {

constexpr int kInitialWidth = 800, kInitialHeight = 600;

MouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
  }
}

}  // namespace

WorkshopPaintBox::WorkshopPaintBox(Job& job, WorkshopDocument& doc, QWidget* parent)
    : QWidget(parent), canvas_(kInitialWidth, kInitialHeight, logicalDpiX()), session_(job, doc, canvas_) {
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
  canvas_.Resize(width(), height());
  session_.ShowWindow();
}

void WorkshopPaintBox::mousePressEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  bool idle = session_.Tool() == WorkshopTool::Pick;
  SessionOutcome outcome =
      session_.Press(ButtonOf(event->button()), at.x(), at.y(), event->modifiers().testFlag(Qt::ShiftModifier));
  Report(outcome);
  if (event->button() == Qt::RightButton && idle && popup_) popup_->popup(event->globalPosition().toPoint());
}

void WorkshopPaintBox::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  session_.Move(at.x(), at.y());
  if (cursor_) cursor_(QString::fromStdString(session_.CursorText(at.x(), at.y())));
  update();
}

void WorkshopPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  Report(session_.Release(ButtonOf(event->button()), at.x(), at.y()));
}

void WorkshopPaintBox::Report(const SessionOutcome& outcome) {
  update();
  if (outcome_) outcome_(outcome);
}

}  // namespace quill
