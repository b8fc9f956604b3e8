#include "raster/effects_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "raster/picture_qt.h"

namespace quill {

namespace {

constexpr int kPreviewSide = 240;

QSlider* Slider(QWidget* parent, const char* name, int low, int high) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setObjectName(name);
  s->setRange(low, high);
  return s;
}

}  // namespace

TEffectsDlg::TEffectsDlg(QWidget* parent)
    : QDialog(parent),
      brightness_(Slider(this, "Brightness", -100, 100)),
      contrast_(Slider(this, "Contrast", -100, 100)),
      threshold_(Slider(this, "Threshold", 0, 255)),
      invert_(new QCheckBox("Invert", this)),
      grey_(new QCheckBox("Grey", this)),
      preview_(new QLabel(this)) {
  setObjectName("TEffectsDlg");
  setWindowTitle("Effects");
  invert_->setObjectName("Invert");
  grey_->setObjectName("Grey");
  preview_->setObjectName("Preview");
  preview_->setFixedSize(kPreviewSide, kPreviewSide);
  preview_->setAlignment(Qt::AlignCenter);
  auto* form = new QFormLayout;
  form->addRow("Brightness", brightness_);
  form->addRow("Contrast", contrast_);
  form->addRow("Threshold (0: none)", threshold_);
  form->addRow(invert_);
  form->addRow(grey_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QSlider* s : {brightness_, contrast_, threshold_})
    connect(s, &QSlider::valueChanged, this, &TEffectsDlg::Preview);
  for (QCheckBox* b : {invert_, grey_}) connect(b, &QCheckBox::toggled, this, &TEffectsDlg::Preview);
  auto* row = new QHBoxLayout;
  row->addLayout(form);
  row->addWidget(preview_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(buttons);
}

PictureEffects TEffectsDlg::Current() const {
  return {brightness_->value(), contrast_->value(), threshold_->value(), invert_->isChecked(), grey_->isChecked()};
}

// The preview works on a small copy, so it follows the sliders on a page-sized scan too.
void TEffectsDlg::Preview() {
  if (!picture_ || picture_->Empty()) return preview_->clear();
  int step = std::max(1, std::max(picture_->Width(), picture_->Height()) / kPreviewSide);
  Picture small(std::max(1, picture_->Width() / step), std::max(1, picture_->Height() / step), picture_->Format());
  for (int y = 0; y < small.Height(); ++y) {
    for (int x = 0; x < small.Width(); ++x) small.Set(x, y, picture_->At(x * step, y * step));
  }
  preview_->setPixmap(QPixmap::fromImage(ToQImage(ApplyEffects(small, Current()))));
}

bool TEffectsDlg::Ask(const Picture& picture, PictureEffects& effects) {
  picture_ = &picture;
  for (QSlider* s : {brightness_, contrast_, threshold_}) s->setValue(0);
  invert_->setChecked(false);
  grey_->setChecked(false);
  Preview();
  bool ok = exec() == QDialog::Accepted;
  if (ok) effects = Current();
  picture_ = nullptr;
  return ok;
}

}  // namespace quill
