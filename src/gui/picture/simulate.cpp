#include "picture/simulate.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "picture/picture_area.h"
#include "shell/help_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

const char* const kAxes[] = {"X ", "Y ", "Z "};

}  // namespace

SimulateForm::SimulateForm(DesktopContext& context, PictureArea& picture, QWidget* parent)
    : QDialog(parent), context_(context), picture_(picture) {
  setObjectName(window_class::Simulate);
  setWindowTitle("Simulate");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Tool Path Simulation Mode", this));
  auto* row = new QHBoxLayout;
  connect(AddButton(row, "|<", "Rewind"), &QPushButton::clicked, this, &SimulateForm::Rewind);
  connect(AddButton(row, ">", "Play"), &QPushButton::clicked, this, [this] { SetState(SimPlaying); });
  connect(AddButton(row, "||", "Pause"), &QPushButton::clicked, this, [this] { SetState(SimPaused); });
  connect(AddButton(row, ">R", "Next Rapid"), &QPushButton::clicked, this, [this] { SetState(SimNextRapid); });
  connect(AddButton(row, ">|", "Step [Space]"), &QPushButton::clicked, this, [this] { SetState(SimStep); });
  connect(AddButton(row, "Exit", "Exit"), &QPushButton::clicked, this, &SimulateForm::Exit);
  connect(AddButton(row, "?", "Help"), &QPushButton::clicked, this,
          [this] { ShowHelpPage(context_, "Simulate_Toolpath"); });
  column->addLayout(row);
  for (int axis = 0; axis < 3; ++axis) {
    position_[axis] = new QLabel(QString(kAxes[axis]) + "0.00000", this);
    column->addWidget(position_[axis]);
  }
  context_.job.view.simPanel = this;
}

SimulateForm::~SimulateForm() {
  if (context_.job.view.simPanel == this) context_.job.view.simPanel = nullptr;
}

QPushButton* SimulateForm::AddButton(QLayout* row, const char* caption, const char* hint) {
  auto* b = new QPushButton(caption, this);
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);  // the space bar steps; it never presses a button
  row->addWidget(b);
  return b;
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
