#include "picture/simulate.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "picture/picture_area.h"
#include "shell/help_window.h"
#include "shell/main_window_classes.h"
#include "shell/program_icons.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

const char* const kAxes[] = {"X ", "Y ", "Z "};
// Play's speeds in moves a second, slowest first; 0 is full speed.
constexpr int kSpeeds[] = {2, 5, 10, 20, 50, 100, 200, 500, 1000, 0};
constexpr int kStepCount = static_cast<int>(std::size(kSpeeds));
constexpr int kFirstStep = 4;  // 50 moves a second

}  // namespace

SimulateForm::SimulateForm(DesktopContext& context, PictureArea& picture, QWidget* parent)
    : QDialog(parent), context_(context), picture_(picture) {
  setObjectName(window_class::Simulate);
  setWindowTitle("Simulate");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Tool Path Simulation Mode", this));
  auto* row = new QHBoxLayout;
  connect(AddButton(row, "rewind", "Rewind"), &QPushButton::clicked, this, &SimulateForm::Rewind);
  connect(AddButton(row, "play", "Play"), &QPushButton::clicked, this, [this] { SetState(SimPlaying); });
  connect(AddButton(row, "pause", "Pause"), &QPushButton::clicked, this, [this] { SetState(SimPaused); });
  connect(AddButton(row, "next-rapid", "Next Rapid"), &QPushButton::clicked, this,
          [this] { SetState(SimNextRapid); });
  connect(AddButton(row, "step", "Step [Space]"), &QPushButton::clicked, this, [this] { SetState(SimStep); });
  connect(AddButton(row, "exit", "Exit"), &QPushButton::clicked, this, &SimulateForm::Exit);
  connect(AddButton(row, "help", "Help"), &QPushButton::clicked, this,
          [this] { ShowHelpPage(context_, "Simulate_Toolpath"); });
  column->addLayout(row);
  column->addLayout(SpeedRow());
  for (int axis = 0; axis < 3; ++axis) {
    position_[axis] = new QLabel(QString(kAxes[axis]) + "0.00000", this);
    column->addWidget(position_[axis]);
  }
  context_.job.view.simPanel = this;
}

SimulateForm::~SimulateForm() {
  if (context_.job.view.simPanel == this) context_.job.view.simPanel = nullptr;
}

QPushButton* SimulateForm::AddButton(QLayout* row, const char* icon, const char* hint) {
  auto* b = new QPushButton(ProgramIcon(icon), QString(), this);
  b->setIconSize(QSize(ButtonIconSize, ButtonIconSize));
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);  // the space bar steps; it never presses a button
  row->addWidget(b);
  return b;
}

QLayout* SimulateForm::SpeedRow() {
  auto* row = new QHBoxLayout;
  speed_ = new QSlider(Qt::Horizontal, this);
  speed_->setObjectName("Speed");
  speed_->setRange(0, kStepCount - 1);
  speed_->setPageStep(1);
  speed_->setTickPosition(QSlider::TicksBelow);
  speed_->setFocusPolicy(Qt::NoFocus);  // the space bar stays the step key
  speed_->setToolTip("Play Speed");
  speedText_ = new QLabel(this);
  speedText_->setMinimumWidth(speedText_->fontMetrics().horizontalAdvance("1000 moves/s "));
  row->addWidget(new QLabel("Speed", this));
  row->addWidget(speed_, 1);
  row->addWidget(speedText_);
  connect(speed_, &QSlider::valueChanged, this, &SimulateForm::SpeedChosen);
  speed_->setValue(kFirstStep);
  SpeedChosen(kFirstStep);
  return row;
}

void SimulateForm::SpeedChosen(int step) {
  int perSecond = kSpeeds[std::clamp(step, 0, kStepCount - 1)];
  context_.job.view.SimMovesPerSecond = perSecond;
  speedText_->setText(perSecond ? QString("%1 moves/s").arg(perSecond) : QString("Full speed"));
}

QString SimulateForm::SpeedText() const {
  return speedText_->text();
}

QPushButton& SimulateForm::Button(const QString& hint) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->toolTip() == hint) return *b;
  }
  return *findChild<QPushButton*>();
}

QString SimulateForm::Position(int axis) const {
  return position_[axis]->text();
}

int SimulateForm::Run() {
  adjustSize();
  QPoint corner = picture_.mapToGlobal(QPoint(picture_.width(), 0));
  move(corner.x() - width(), corner.y());
  return exec();
}

void SimulateForm::SetState(SimulationState state) {
  context_.job.view.SimState = state;
}

// The picture is drawn again and holds before its first tool path record.
void SimulateForm::Rewind() {
  SetState(SimRewound);
  picture_.Run([](MainView& v) { v.SimulationRedraw(); });
}

// A waiting drawing runs to its end; the window closes.
void SimulateForm::Exit() {
  SetState(SimPlaying);
  accept();
}

void SimulateForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    SetState(SimStep);
    return;
  }
  QDialog::keyPressEvent(event);
}

void SimulateForm::closeEvent(QCloseEvent* event) {
  SetState(SimPlaying);
  QDialog::closeEvent(event);
}

void SimulateForm::ShowPosition(double x, double y, double z) {
  const double values[] = {x, y, z};
  for (int axis = 0; axis < 3; ++axis) {
    position_[axis]->setText(QString(kAxes[axis]) + QString::fromStdString(FormatFixed(values[axis], 5)));
  }
}

}  // namespace quill
