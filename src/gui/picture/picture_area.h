// The main window's picture area (QuillPicture): the view of the job on a pixel image, the rubber-band
// zoom under the mouse, the world coordinates under the mouse and the cross-hair cursor.  The view's
// logic is the core's MainView; this widget feeds it the window's events and shows its image.
#pragma once

#include <QWidget>
#include <functional>

#include "picture/picture_area_canvas.h"
#include "view/main_view.h"

class QTimer;

namespace quill {

class Job;

class PictureArea : public QWidget {
  Q_OBJECT

 public:
  explicit PictureArea(Job& job, QWidget* parent = nullptr);
  ~PictureArea() override;

  MainView& View() { return view_; }
  // Runs a view command (Extents, Zoom Out ...) and shows what it drew; the image is copied to the
  // screen every few tenths of a second while the command draws.
  void Run(const std::function<void(MainView&)>& command);
  // True while a command started through Run is drawing.
  bool Drawing() const { return drawing_ > 0; }
  // The whole picture drawn again at the next chance, unless a drawing is under way then.
  void RequestRedraw();
  // While the main window closes, a change of size no longer lays out the picture.
  void SetClosing() { closing_ = true; }
  // The image as last shown, in the screen's pixels.
  const QImage& Image() { return canvas_.Present(); }
  // The screen's pixels per widget unit the image was made for.
  double Ratio() const { return canvas_.Ratio(); }

 signals:
  // "X<x>,Y<y>" of the point under the mouse.
  void CoordinatesChanged(const QString& text);
  // A new size or a zoom brought the scroll bars back to 0.
  void ScrollBarsReset();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void RedrawNow();
  // The image follows the widget's size and its screen's pixel density.
  void Relayout();
  // A mouse position as a pixel of the image.
  QPoint Pixel(QMouseEvent* event) const;

  Job& job_;
  ScreenCanvas canvas_;
  MainView view_;
  QTimer* showWhileDrawing_;
  int drawing_ = 0;
  bool redrawWanted_ = false;
  bool redrawScheduled_ = false;
  bool closing_ = false;
};

// The picture area's cross-hair cursor.
QCursor CrossHairCursor();

}  // namespace quill
