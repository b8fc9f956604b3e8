#include "raster/raster_settings_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/dialog_buttons.h"

namespace quill {

namespace {

QCheckBox* Box(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QCheckBox(caption, parent);
  b->setObjectName(name);
  return b;
}

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(low, high);
  return s;
}

}  // namespace

TRas2vecdlg::TRas2vecdlg(QWidget* parent)
    : QDialog(parent),
      bezier_(Box(this, "CheckBox1", "Bezier Smoothing")),
      centerlines_(Box(this, "CheckBox2", "Centerlines Only")),
      thinGaps_(Box(this, "CheckBox3", "Thin Lines/Gaps")),
      lineWidth_(Spin(this, "SpinEdit2", 0, 1000000)),
      noise_(new QSlider(Qt::Horizontal, this)),
      colours_(Spin(this, "SpinEdit1", 0, MaxOutputColours)),
      darkest_(Box(this, "CheckBox4", "Vectorize Darkest Only")),
      omitBrightest_(Box(this, "CheckBox5", "Omit Brightest Color")) {
  setObjectName("TRas2vecdlg");
  setWindowTitle("Raster to Vector Settings");
  noise_->setObjectName("TrackBar1");
  noise_->setRange(0, MaxNoise);
  noise_->setTickInterval(10);
  noise_->setTickPosition(QSlider::TicksBelow);
  auto* form = new QFormLayout;
  form->addRow(bezier_);
  form->addRow(centerlines_);
  form->addRow(thinGaps_);
  form->addRow("Centerline Width", lineWidth_);
  form->addRow("Noise Reduction", noise_);
  form->addRow("Output Colors", colours_);
  form->addRow(darkest_);
  form->addRow(omitBrightest_);
  QDialogButtonBox* buttons = OkCancelHelp(this, [this] {
    if (help_) help_("Raster_To_Vector_Settings");
  });
  QPushButton* defaults = buttons->addButton("Default", QDialogButtonBox::ResetRole);
  defaults->setObjectName("Default");
  connect(defaults, &QPushButton::clicked, this, &TRas2vecdlg::Defaults);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);
  Show(settings_);
}

void TRas2vecdlg::Show(const RasterToVectorSettings& s) {
  bezier_->setChecked(s.bezier);
  centerlines_->setChecked(s.centerlines);
  thinGaps_->setChecked(s.thinGaps);
  lineWidth_->setValue(s.lineWidth);
  noise_->setValue(s.noise);
  colours_->setValue(s.colours);
  darkest_->setChecked(s.darkestOnly);
  omitBrightest_->setChecked(s.omitBrightest);
}

void TRas2vecdlg::Defaults() {
  Show(RasterToVectorSettings{});
}

bool TRas2vecdlg::Ask() {
  Show(settings_);
  return exec() == QDialog::Accepted;
}

void TRas2vecdlg::accept() {
  settings_.bezier = bezier_->isChecked();
  settings_.centerlines = centerlines_->isChecked();
  settings_.thinGaps = thinGaps_->isChecked();
  settings_.lineWidth = lineWidth_->value();
  settings_.noise = noise_->value();
  settings_.colours = colours_->value();
  settings_.darkestOnly = darkest_->isChecked();
  settings_.omitBrightest = omitBrightest_->isChecked();
  QDialog::accept();
}

}  // namespace quill
