// The relief scanner's picture: scrollable, zoomed in and out in steps of 10 percent or to a box
// dragged with the right mouse button.
#pragma once

#include <QImage>
#include <QScrollArea>

class QLabel;
class QRubberBand;

namespace quill {

class ScanPictureView : public QScrollArea {
  Q_OBJECT

 public:
  explicit ScanPictureView(QWidget* parent = nullptr);

  void SetImage(const QImage& image);
  const QImage& Image() const { return image_; }

  // The zoom in percent (100: one screen pixel a picture pixel).
  int Zoom() const { return zoom_; }
  void ZoomIn();
  void ZoomOut();
  // The whole picture in the window.
  void ZoomToFit();
  // The box (in the shown picture's pixels) fills the window.
  void ZoomToBox(const QRect& box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetZoom(int percent);
  void Show();

  QImage image_;
  QLabel* label_;
  QRubberBand* band_;
  QPoint bandStart_;
  int zoom_ = 100;
};

}  // namespace quill
