// "Simulate": the tool path drawn move by move.  The window only sets the simulation state that the
// picture's tool path drawing reads before each record; Rewind starts that drawing, which then waits
// for Play, Step [Space] or Next Rapid while the window stays usable.  "Speed" sets how many moves
// Play draws a second, up to full speed.
#pragma once

#include <QDialog>

#include "job/view_state.h"

class QLabel;
class QLayout;
class QPushButton;
class QSlider;

namespace quill {

struct DesktopContext;
class PictureArea;

class SimulateForm : public QDialog, public SimulationPanel {
  Q_OBJECT

 public:
  SimulateForm(DesktopContext& context, PictureArea& picture, QWidget* parent = nullptr);
  ~SimulateForm() override;

  // Placed at the right edge of the picture, below its top, then shown modally.
  int Run();
  QPushButton& Button(const QString& hint) const;
  QString Position(int axis) const;
  QSlider& Speed() const { return *speed_; }
  QString SpeedText() const;

  void Rewind();
  void SetState(SimulationState state);
  void Exit();

  bool Visible() const override { return isVisible(); }
  void ShowPosition(double x, double y, double z) override;

 protected:
  // The space bar steps (the buttons never take the focus, so the key always reaches the window).
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A button showing data/icons/<icon>.svg with the hint.
  QPushButton* AddButton(QLayout* row, const char* icon, const char* hint);
  QLayout* SpeedRow();
  void SpeedChosen(int step);

  DesktopContext& context_;
  PictureArea& picture_;
  QLabel* position_[3];
  QSlider* speed_ = nullptr;
  QLabel* speedText_ = nullptr;
};

}  // namespace quill
