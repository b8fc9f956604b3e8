#include "stages/toolpath/carve_status.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace quill {

namespace {

int BarValue(long v) {
  return static_cast<int>(std::clamp<long>(v, 0, INT_MAX));
}

}  // namespace

Tcarvestat::Tcarvestat(QWidget* parent) : QDialog(parent) {
  setObjectName("Tcarvestat");
  setWindowTitle("3D Font Carving In Process");
  setWindowModality(Qt::ApplicationModal);
  character_ = new QProgressBar(this);
  total_ = new QProgressBar(this);
  cancel_ = new QPushButton("Cancel", this);
  auto* form = new QFormLayout;
  form->addRow("Character:", character_);
  form->addRow("Total:", total_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  setMinimumWidth(360);
}

void Tcarvestat::Begin(long totalRecords) {
  cancelled_ = false;
  character_->setRange(0, 1);
  character_->setValue(0);
  total_->setRange(0, BarValue(std::max(totalRecords, 1L)));
  total_->setValue(0);
  show();
  raise();
  QApplication::processEvents();
}

bool Tcarvestat::Total(long records) {
  total_->setValue(BarValue(std::min<long>(records, total_->maximum())));
  QApplication::processEvents();
  return !cancelled_;
}

bool Tcarvestat::Character(long pieces, long ofPieces) {
  character_->setRange(0, BarValue(std::max(ofPieces, 1L)));
  character_->setValue(BarValue(pieces));
  QApplication::processEvents();
  return !cancelled_;
}

void Tcarvestat::End() {
  hide();
}

bool Tcarvestat::Finished() const {
  return total_->value() >= total_->maximum();
}

// Esc is Cancel while the run goes on; once cancelled the window may go.
void Tcarvestat::reject() {
  if (isVisible() && !Finished() && !cancelled_) {
    cancelled_ = true;
    return;
  }
  QDialog::reject();
}

void Tcarvestat::closeEvent(QCloseEvent* event) {
  if (cancelled_ || Finished()) return QDialog::closeEvent(event);
  event->ignore();
}

}  // namespace quill
