#include "picture/picture_area.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "job/job.h"

namespace quill {

namespace {

constexpr int kInitialWidth = 800, kInitialHeight = 600;
constexpr int kShowEveryMs = 150;

}  // namespace

QCursor CrossHairCursor() {
  constexpr int kSize = 32, kCentre = 15, kGap = 3;
  QBitmap shape(kSize, kSize), mask(kSize, kSize);
  shape.fill(Qt::color0);
  mask.fill(Qt::color0);
  QPainter s(&shape), m(&mask);
  s.setPen(Qt::color1);
  m.setPen(QPen(Qt::color1, 3));
  for (QPainter* p : {&m, &s}) {
    p->drawLine(kCentre, 0, kCentre, kCentre - kGap);
    p->drawLine(kCentre, kCentre + kGap, kCentre, kSize - 1);
    p->drawLine(0, kCentre, kCentre - kGap, kCentre);
    p->drawLine(kCentre + kGap, kCentre, kSize - 1, kCentre);
  }
  s.drawPoint(kCentre, kCentre);
  m.drawPoint(kCentre, kCentre);
  s.end();
  m.end();
  return QCursor(shape, mask, kCentre, kCentre);
}

PictureArea::PictureArea(Job& job, QWidget* parent)
    : QWidget(parent),
      job_(job),
      canvas_(kInitialWidth, kInitialHeight, logicalDpiX(), devicePixelRatioF()),
      view_(job, canvas_),
      showWhileDrawing_(new QTimer(this)) {
  setObjectName("QuillPicture");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(CrossHairCursor());
  setMinimumSize(64, 64);
  view_.SetupView();
  job_.view.host = &view_;
  showWhileDrawing_->setInterval(kShowEveryMs);
  connect(showWhileDrawing_, &QTimer::timeout, this, [this] {
    if (drawing_ > 0) update();
  });
  showWhileDrawing_->start();
}

PictureArea::~PictureArea() {
  if (job_.view.host == &view_) job_.view.host = nullptr;
}

void PictureArea::Run(const std::function<void(MainView&)>& command) {
  ++drawing_;
  command(view_);
  --drawing_;
  update();
}

void PictureArea::RequestRedraw() {
  redrawWanted_ = true;
  if (redrawScheduled_) return;
  redrawScheduled_ = true;
  QTimer::singleShot(0, this, &PictureArea::RedrawNow);
}

// The paint of the picture: a full redraw unless one is already running (it then draws everything).
void PictureArea::RedrawNow() {
  redrawScheduled_ = false;
  if (!redrawWanted_) return;
  redrawWanted_ = false;
  Run([](MainView& v) { v.Paint(); });
}

// The image's pixels onto the widget's area: one to one on the screen, whatever its scale.
void PictureArea::paintEvent(QPaintEvent*) {
  if (devicePixelRatioF() != canvas_.Ratio() && !closing_) return Relayout();
  const QImage& image = canvas_.Present();
  QPainter p(this);
  p.drawImage(QRectF(0, 0, image.width() / canvas_.Ratio(), image.height() / canvas_.Ratio()), image);
}

void PictureArea::resizeEvent(QResizeEvent*) {
  if (!closing_) Relayout();
}

void PictureArea::Relayout() {
  canvas_.Resize(width(), height(), devicePixelRatioF());
  view_.Resize();
  emit ScrollBarsReset();
  RequestRedraw();
}

QPoint PictureArea::Pixel(QMouseEvent* event) const {
  QPointF at = event->position();
  return {canvas_.ToPixel(at.x()), canvas_.ToPixel(at.y())};
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !job_.view.ZoomArmed) return;
  QPoint at = Pixel(event);
  view_.ZoomPress(at.x(), at.y());
  update();
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = Pixel(event);
  emit CoordinatesChanged(QString::fromStdString(view_.CoordinateText(at.x(), at.y())));
  if (!job_.view.ZoomDragging) return;
  view_.ZoomMove(at.x(), at.y());
  update();
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  bool zooming = job_.view.ZoomArmed && job_.view.ZoomDragging;
  Run([](MainView& v) { v.ZoomRelease(); });
  if (zooming) emit ScrollBarsReset();
}

}  // namespace quill
