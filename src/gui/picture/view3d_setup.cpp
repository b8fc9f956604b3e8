#include "picture/view3d_setup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "qtcanvas/qt_canvas.h"
#include "shell/expr_field.h"
#include "shell/help_window.h"
#include "shell/main_window_classes.h"
#include "shell/program_icons.h"
#include "shell/window_directory.h"
#include "view/eye_rotation.h"

namespace quill {

namespace {

// The box seen from the eye, drawn again on every paint.
class EyePreview : public QWidget {
 public:
  explicit EyePreview(Job& job, QWidget* parent) : QWidget(parent), job_(job) {
    setObjectName("Preview");
    setMinimumSize(240, 200);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QtCanvas canvas(*this);
    DrawEyePreview(canvas, job_.view, job_.prefs.BlackBackground);
  }

 private:
  Job& job_;
};

double& EyeCoordinate(ViewState& v, int axis) {
  return axis == 0 ? v.EyeX : axis == 1 ? v.EyeY : v.EyeZ;
}

}  // namespace

View3DSetupDlg::View3DSetupDlg(DesktopContext& context, QWidget* parent)
    : QDialog(parent), context_(context), preview_(new EyePreview(context.job, this)) {
  setObjectName(window_class::View3DSetup);
  setWindowTitle("3D View Setup");
  auto* form = new QFormLayout;
  const char* captions[] = {"X-Eye", "Y-Eye", "Z-Eye"};
  const char* defaults[] = {"-50.0", "-50.0", "50.0"};
  for (int axis = 0; axis < 3; ++axis) {
    fields_[axis] = new ExprField(context.job.ui, this);
    fields_[axis]->setObjectName(captions[axis]);
    fields_[axis]->setText(defaults[axis]);
    form->addRow(captions[axis], fields_[axis]);
    // A bad expression keeps the eye where it was; the field keeps the text to be put right.
    connect(fields_[axis], &ExprField::Left, this, [this, axis](double value, bool ok) {
      if (!ok) return;
      EyeCoordinate(context_.job.view, axis) = value;
      preview_->update();
    });
  }
  auto* defaultButton = new QPushButton("&Default", this);
  connect(defaultButton, &QPushButton::clicked, this, &View3DSetupDlg::Default);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpPage(context_, "Setup_3D_View"); });

  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addWidget(RotationControl(), 0, Qt::AlignHCenter);
  left->addWidget(defaultButton);
  left->addStretch();
  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addWidget(preview_, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(body, 1);
  column->addWidget(buttons);
}

// Four arrows around a centre button that puts the eye back to its default.
QWidget* View3DSetupDlg::RotationControl() {
  auto* control = new QWidget(this);
  control->setObjectName("Rotation");
  control->setToolTip("View Rotation, Press Center for Default");
  auto* grid = new QGridLayout(control);
  struct Arrow {
    const char* icon;
    EyeTurn turn;
    int row, column;
  };
  for (Arrow a : {Arrow{"arrow-up", EyeTurn::Up, 0, 1}, Arrow{"arrow-down", EyeTurn::Down, 2, 1},
                  Arrow{"arrow-left", EyeTurn::Left, 1, 0}, Arrow{"arrow-right", EyeTurn::Right, 1, 2}}) {
    auto* b = new QToolButton(control);
    b->setObjectName(a.icon);
    b->setIcon(ProgramIcon(a.icon));
    b->setIconSize(QSize(ButtonIconSize, ButtonIconSize));
    b->setAutoRepeat(true);
    b->setToolTip("View Rotation, Press Center for Default");
    connect(b, &QToolButton::clicked, this, [this, turn = a.turn] { Turn(turn); });
    grid->addWidget(b, a.row, a.column);
  }
  auto* centre = new QToolButton(control);
  centre->setObjectName("Centre");
  centre->setIcon(ProgramIcon("centre"));
  centre->setIconSize(QSize(ButtonIconSize, ButtonIconSize));
  centre->setToolTip("View Rotation, Press Center for Default");
  connect(centre, &QToolButton::clicked, this, &View3DSetupDlg::Default);
  grid->addWidget(centre, 1, 1);
  return control;
}

void View3DSetupDlg::Turn(EyeTurn turn) {
  TurnEye(context_.job.view, turn);
  ShowEye();
}

void View3DSetupDlg::Default() {
  DefaultEye(context_.job.view);
  ShowEye();
}

void View3DSetupDlg::ShowEye() {
  for (int axis = 0; axis < 3; ++axis) {
    fields_[axis]->SetText(FormatFixed(EyeCoordinate(context_.job.view, axis), 5));
  }
  preview_->update();
}

}  // namespace quill
