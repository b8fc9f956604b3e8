#include "stages/toolpath/scan_picture_view.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <algorithm>

namespace quill {

namespace {

constexpr int kZoomStep = 10;
constexpr int kLeastZoom = 1;
constexpr int kMostZoom = 3200;

}  // namespace

ScanPictureView::ScanPictureView(QWidget* parent) : QScrollArea(parent) {
  setObjectName("PMultiImage1");
  label_ = new QLabel;
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->installEventFilter(this);
  setWidget(label_);
  setBackgroundRole(QPalette::Dark);
  band_ = new QRubberBand(QRubberBand::Rectangle, label_);
  setMinimumSize(320, 240);
}

void ScanPictureView::SetImage(const QImage& image) {
  image_ = image;
  // Before the window is laid out its size says nothing about the room there will be.
  if (isVisible()) {
    ZoomToFit();
  } else {
    SetZoom(100);
  }
}

void ScanPictureView::SetZoom(int percent) {
  zoom_ = std::clamp(percent, kLeastZoom, kMostZoom);
  Show();
}

void ScanPictureView::Show() {
  if (image_.isNull()) {
    label_->setPixmap({});
    label_->resize(0, 0);
    return;
  }
  QSize shown = image_.size() * zoom_ / 100;
  label_->setPixmap(
      QPixmap::fromImage(image_.scaled(shown.expandedTo({1, 1}), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  label_->resize(label_->pixmap().size());
}

void ScanPictureView::ZoomIn() {
  SetZoom(zoom_ + kZoomStep);
}

void ScanPictureView::ZoomOut() {
  SetZoom(zoom_ - kZoomStep);
}

void ScanPictureView::ZoomToFit() {
  if (image_.isNull()) return SetZoom(100);
  QSize room = viewport()->size();
  SetZoom(std::min(room.width() * 100 / image_.width(), room.height() * 100 / image_.height()));
}

void ScanPictureView::ZoomToBox(const QRect& box) {
  if (image_.isNull() || box.width() < 2 || box.height() < 2) return;
  // The box's place in the picture itself, so it stays put whatever the zoom was.
  double left = box.left() * 100.0 / zoom_, top = box.top() * 100.0 / zoom_;
  QSize room = viewport()->size();
  int wanted = std::min(room.width() * zoom_ / box.width(), room.height() * zoom_ / box.height());
  SetZoom(wanted);
  horizontalScrollBar()->setValue(static_cast<int>(left * zoom_ / 100));
  verticalScrollBar()->setValue(static_cast<int>(top * zoom_ / 100));
}

bool ScanPictureView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != label_) return QScrollArea::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
    return QScrollArea::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  switch (type) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::RightButton) break;
      bandStart_ = mouse->position().toPoint();
      band_->setGeometry(QRect(bandStart_, QSize()));
      band_->show();
      return true;
    case QEvent::MouseMove:
      if (!band_->isVisible()) break;
      band_->setGeometry(QRect(bandStart_, mouse->position().toPoint()).normalized());
      return true;
    case QEvent::MouseButtonRelease:
      if (mouse->button() != Qt::RightButton || !band_->isVisible()) break;
      band_->hide();
      ZoomToBox(QRect(bandStart_, mouse->position().toPoint()).normalized());
      return true;
    default: break;
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace quill
