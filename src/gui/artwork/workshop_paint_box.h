// The Art Workshop's paint box: the drawing on a pixel image (the rubber bands are XOR on its pixels),
// with the mouse handed to the workshop's session.  A right click while no tool runs opens the view's
// pop-up menu; while a tool runs it ends the tool, as the right button always has.
#pragma once

#include <QWidget>
#include <functional>

#include "artwork/workshop/session.h"
#include "picture/picture_area_canvas.h"

class QMenu;

namespace quill {

class Job;
class WorkshopDocument;

class WorkshopPaintBox : public QWidget {
  Q_OBJECT

 public:
  WorkshopPaintBox(Job& job, WorkshopDocument& doc, QWidget* parent = nullptr);

  WorkshopSession& Session() { return session_; }
  void SetPopup(QMenu* popup) { popup_ = popup; }
  // Called after every press and release with what it did.
  void OnOutcome(std::function<void(const SessionOutcome&)> f) { outcome_ = std::move(f); }
  // Called with the status bar's text for the cursor's position.
  void OnCursor(std::function<void(const QString&)> f) { cursor_ = std::move(f); }
  // The image as last shown.
  const QImage& Image() { return canvas_.Present(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Report(const SessionOutcome& outcome);

  ScreenCanvas canvas_;
  WorkshopSession session_;
  QMenu* popup_ = nullptr;
  std::function<void(const SessionOutcome&)> outcome_;
  std::function<void(const QString&)> cursor_;
};

}  // namespace quill
