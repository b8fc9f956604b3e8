#include "raster/trace_picture_view.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "raster/picture_qt.h"
#include "shell/latin1.h"

namespace quill {

namespace {

constexpr double kMinZoom = 0.02, kMaxZoom = 64.0;
// How near (screen pixels) the mouse must come to an annotation to pick it.
constexpr double kPickReach = 6.0;

QColor ColourOf(Color c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace

TracePictureView::TracePictureView(TraceSession& session, QScrollArea& area) : session_(session), area_(area) {
  setObjectName("TracePicture");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::CrossCursor);
}

QTransform TracePictureView::Transform() const {
  QTransform t;
  t.translate(offset_.x(), offset_.y());
  t.scale(zoom_, zoom_);
  t.translate(0.5, 0.5);
  return t;
}

PicturePoint TracePictureView::ToPicture(const QPointF& widget) const {
  QPointF p = Transform().inverted().map(widget);
  return {std::round(p.x()), std::round(p.y())};
}

QPointF TracePictureView::ToWidget(double x, double y) const {
  return Transform().map(QPointF(x, y));
}

QPoint TracePictureView::ScreenPixel(double x, double y) const {
  QPointF at = ToWidget(x, y);
  return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}

PicturePoint TracePictureView::AtScreenPixel(const QPoint& pixel) const {
  return ToPicture(QPointF(pixel) + QPointF(0.5, 0.5));
}

void TracePictureView::PictureChanged() {
  image_ = ToQImage(session_.Document().Image());
  picked_ = -1;
  ClearSelection();
  if (stretched_) {
    Fit();
  } else {
    SizeToZoom();
  }
  update();
}

void TracePictureView::Shrink() {
  shrunk_ = zoom_ < 1.0 && !image_.isNull()
                ? image_.scaled(std::max(1, static_cast<int>(std::lround(image_.width() * zoom_))),
                                std::max(1, static_cast<int>(std::lround(image_.height() * zoom_))),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                : QImage();
}

void TracePictureView::SizeToZoom() {
  Shrink();
  offset_ = {};
  resize(std::max(1, static_cast<int>(std::ceil(image_.width() * zoom_))),
         std::max(1, static_cast<int>(std::ceil(image_.height() * zoom_))));
}

void TracePictureView::Fit() {
  if (image_.isNull()) return;
  zoom_ = std::clamp(
      std::min(static_cast<double>(width()) / image_.width(), static_cast<double>(height()) / image_.height()),
      kMinZoom, kMaxZoom);
  offset_ = {(width() - image_.width() * zoom_) / 2, (height() - image_.height() * zoom_) / 2};
  Shrink();
}

void TracePictureView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (stretched_) Fit();
}

void TracePictureView::SetZoom(double zoom) {
  stretched_ = false;
  area_.setWidgetResizable(false);
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  SizeToZoom();
  update();
  Changed();
}

void TracePictureView::ResetZoom() {
  SetZoom(1.0);
}

void TracePictureView::ToggleStretch() {
  if (stretched_) return ResetZoom();
  stretched_ = true;
  area_.setWidgetResizable(true);
  Fit();
  update();
  Changed();
}

void TracePictureView::ZoomToBox(const QRect& box) {
  if (box.width() < 3 || box.height() < 3) return;
  QPointF corner = Transform().inverted().map(QPointF(box.topLeft())) + QPointF(0.5, 0.5);
  double w = box.width() / zoom_, h = box.height() / zoom_;
  QSize view = area_.viewport()->size();
  SetZoom(std::min(view.width() / w, view.height() / h));
  area_.horizontalScrollBar()->setValue(static_cast<int>(corner.x() * zoom_));
  area_.verticalScrollBar()->setValue(static_cast<int>(corner.y() * zoom_));
}

void TracePictureView::SetEditing(bool on) {
  editing_ = on;
  picked_ = -1;
  update();
}

bool TracePictureView::WaitForClick() {
  QEventLoop loop;
  loop_ = &loop;
  clickedWhileWaiting_ = false;
  setFocus();
  loop.exec();
  loop_ = nullptr;
  return clickedWhileWaiting_;
}

void TracePictureView::GiveUpWaiting() {
  if (loop_) loop_->quit();
}

void TracePictureView::ClearSelection() {
  selection_ = {};
  update();
}

void TracePictureView::Changed() {
  if (changed_) changed_();
}

PixelRect TracePictureView::PictureRect(const QRect& widget) const {
  PicturePoint a = AtScreenPixel(widget.topLeft()), b = AtScreenPixel(widget.bottomRight());
  int x = static_cast<int>(std::min(a.x, b.x)), y = static_cast<int>(std::min(a.y, b.y));
  return {x, y, static_cast<int>(std::fabs(b.x - a.x)) + 1, static_cast<int>(std::fabs(b.y - a.y)) + 1};
}

void TracePictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return GiveUpWaiting();
  if (event->button() != Qt::LeftButton || image_.isNull()) return;
  dragStart_ = dragEnd_ = event->pos();
  PicturePoint at = AtScreenPixel(event->pos());
  if (event->modifiers() & Qt::ControlModifier) {
    drag_ = Drag::ZoomBox;
  } else if (event->modifiers() & Qt::ShiftModifier) {
    drag_ = Drag::Select;
  } else if (editing_ && !loop_) {
    picked_ = session_.Document().AnnotationAt(at.x, at.y, kPickReach / zoom_);
    drag_ = picked_ >= 0 ? Drag::Move : Drag::None;
  } else {
    drag_ = Drag::Line;
    session_.Press(at);
  }
  update();
}

void TracePictureView::mouseMoveEvent(QMouseEvent* event) {
  if (cursor_) cursor_(AtScreenPixel(event->pos()));
  if (drag_ == Drag::None) return;
  dragEnd_ = event->pos();
  update();
}

void TracePictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Drag was = drag_;
  drag_ = Drag::None;
  dragEnd_ = event->pos();
  PicturePoint at = AtScreenPixel(event->pos());
  QRect box = QRect(dragStart_, dragEnd_).normalized();
  if (was == Drag::Line) {
    session_.Release(at);
    if (loop_) clickedWhileWaiting_ = true, loop_->quit();
  } else if (was == Drag::Move) {
    PicturePoint from = AtScreenPixel(dragStart_);
    if (!(from == at)) session_.Document().MoveAnnotation(static_cast<size_t>(picked_), at.x - from.x, at.y - from.y);
  } else if (was == Drag::ZoomBox) {
    ZoomToBox(box);
  } else if (was == Drag::Select) {
    selection_ = PictureRect(box);
  }
  update();
  Changed();
}

void TracePictureView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (loop_) return GiveUpWaiting();
    ClearSelection();
    return;
  }
  if (event->key() == Qt::Key_Delete && editing_ && picked_ >= 0) {
    session_.Document().RemoveAnnotation(static_cast<size_t>(picked_));
    picked_ = -1;
    update();
    return Changed();
  }
  QWidget::keyPressEvent(event);
}

// Ctrl and the wheel zoom about the point under the mouse.
void TracePictureView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier) || image_.isNull()) return QWidget::wheelEvent(event);
  QPointF under = Transform().inverted().map(event->position());
  QPoint inView = area_.viewport()->mapFromGlobal(event->globalPosition().toPoint());
  SetZoom(zoom_ * (event->angleDelta().y() > 0 ? 1.25 : 0.8));
  QPointF now = Transform().map(under);
  area_.horizontalScrollBar()->setValue(static_cast<int>(now.x() - inView.x()));
  area_.verticalScrollBar()->setValue(static_cast<int>(now.y() - inView.y()));
  event->accept();
}

void TracePictureView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Dark));
  if (image_.isNull()) return;
  if (!shrunk_.isNull()) {
    p.drawImage(QRectF(offset_, QSizeF(image_.width() * zoom_, image_.height() * zoom_)), shrunk_);
  } else {
    p.save();
    p.translate(offset_);
    p.scale(zoom_, zoom_);
    p.drawImage(0, 0, image_);
    p.restore();
  }
  PaintAnnotations(p);
  PaintDrag(p);
}

void TracePictureView::PaintAnnotations(QPainter& p) const {
  const Annotations& marks = session_.Document().Marks();
  for (size_t i = 0; i < marks.size(); ++i) {
    const Annotation& a = marks[i];
    QPen pen(ColourOf(a.colour), static_cast<int>(i) == picked_ ? 4 : 2);
    pen.setCosmetic(true);
    p.setPen(pen);
    if (a.kind == AnnotationKind::Line) {
      p.drawLine(ToWidget(a.x1, a.y1), ToWidget(a.x2, a.y2));
      continue;
    }
    QFont font(Latin1(a.font));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(a.size * zoom_))));
    p.setFont(font);
    p.drawText(ToWidget(a.x1, a.y1), Latin1(a.text));
  }
  if (!selection_.Empty()) {
    p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    QPointF a = ToWidget(selection_.x - 0.5, selection_.y - 0.5);
    QPointF b = ToWidget(selection_.x + selection_.width - 0.5, selection_.y + selection_.height - 0.5);
    p.drawRect(QRectF(a, b));
  }
}

// The rubber line is drawn inverting what lies under it, so it shows on any picture.
void TracePictureView::PaintDrag(QPainter& p) const {
  if (drag_ == Drag::None || drag_ == Drag::Move) return;
  p.setCompositionMode(QPainter::CompositionMode_Difference);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(Qt::NoBrush);
  if (drag_ == Drag::Line) {
    p.drawLine(dragStart_, dragEnd_);
  } else {
    p.drawRect(QRect(dragStart_, dragEnd_).normalized());
  }
}

}  // namespace quill
