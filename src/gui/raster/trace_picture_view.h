// The picture of the Scan/Trace/Convert window with its annotation layer.  It shows the session's
// picture at a zoom factor (or stretched to the window), the lines and marks over it and the rubber
// line while one is drawn.  Every mouse position goes through the view's real transform to picture
// pixels, so scrolling and zoom never shift a traced line.
//
// The mouse: the left button draws a line (or, in the edit mode, picks an annotation and drags it);
// with Ctrl it drags a box to zoom to, with Shift the area Cut and Copy take.  While a mark waits for
// its click, Escape or the right button gives up.  Delete removes the annotation picked.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTransform>
#include <QWidget>
#include <functional>

#include "raster/trace_session.h"

class QEventLoop;
class QScrollArea;

namespace quill {

class TracePictureView : public QWidget {
  Q_OBJECT

 public:
  TracePictureView(TraceSession& session, QScrollArea& area);

  // After the picture or its annotations changed.
  void PictureChanged();
  void AnnotationsChanged() { update(); }

  // The zoom factor: screen pixels per picture pixel.
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  // "&Reset Zoom": one screen pixel a picture pixel.  "&Toggle Zoom/Stretch": the picture fitted to
  // the window (its shape kept), or back to zooming.
  void ResetZoom();
  void ToggleStretch();
  bool Stretched() const { return stretched_; }
  // Zooms so that the widget rectangle fills the window.
  void ZoomToBox(const QRect& box);

  // Picture position (pixel centres at whole numbers) to widget position, and back (rounded); the
  // screen pixel a picture position lies in, and the picture position of a screen pixel (its centre).
  QTransform Transform() const;
  PicturePoint ToPicture(const QPointF& widget) const;
  QPointF ToWidget(double x, double y) const;
  QPoint ScreenPixel(double x, double y) const;
  PicturePoint AtScreenPixel(const QPoint& pixel) const;

  void SetEditing(bool on);
  bool Editing() const { return editing_; }

  // Waits, letting the windows work, for a click in the picture; false when Escape or the right
  // button gave up (or the window closed).
  bool WaitForClick();
  void GiveUpWaiting();
  bool Waiting() const { return loop_ != nullptr; }

  // The area of Shift+drag, in picture pixels; empty when none.
  PixelRect Selection() const { return selection_; }
  void ClearSelection();

  // Called with the picture position under the mouse, and after each change the view made.
  void OnCursor(std::function<void(PicturePoint)> f) { cursor_ = std::move(f); }
  void OnChange(std::function<void()> f) { changed_ = std::move(f); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  enum class Drag { None, Line, Move, ZoomBox, Select };

  void Fit();
  void SizeToZoom();
  void Shrink();
  void Changed();
  void PaintAnnotations(QPainter& p) const;
  void PaintDrag(QPainter& p) const;
  PixelRect PictureRect(const QRect& widget) const;

  TraceSession& session_;
  QScrollArea& area_;
  QImage image_;
  QImage shrunk_;  // the picture made smaller once for a zoom below 1, so it repaints quickly
  double zoom_ = 1.0;
  QPointF offset_;  // where the picture's corner lies in the widget (stretched pictures are centred)
  bool stretched_ = false, editing_ = false;
  Drag drag_ = Drag::None;
  QPoint dragStart_, dragEnd_;
  int picked_ = -1;
  PixelRect selection_;
  QEventLoop* loop_ = nullptr;
  bool clickedWhileWaiting_ = false;
  std::function<void(PicturePoint)> cursor_;
  std::function<void()> changed_;
};

}  // namespace quill
