// The main window's working area: the picture, the two scroll bars that pan it and the coordinate
// panel.  A scroll action pans the view once it has ended, by the share of the window the bar moved.
#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;

namespace quill {

class Job;
class PictureArea;

class PictureFrame : public QWidget {
  Q_OBJECT

 public:
  explicit PictureFrame(Job& job, QWidget* parent = nullptr);

  PictureArea& Picture() { return *picture_; }
  QScrollBar& HorizontalBar() { return *horizontal_; }
  QScrollBar& VerticalBar() { return *vertical_; }
  QLabel& CoordinatePanel() { return *panel_; }
  // Puts both bars where the view remembers them (a command that sets them to 0 set the view's too).
  void SyncScrollBars();

 private:
  void ScrollEnded();
  void Pan();

  Job& job_;
  PictureArea* picture_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QLabel* panel_;
  bool panPosted_ = false;
};

}  // namespace quill
