#include "stages/toolpath/bitmap_scan_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "artwork/dialog_parts.h"
#include "job/job.h"
#include "shell/expr_field.h"
#include "shell/latin1.h"
#include "stages/toolpath/named_fields.h"
#include "stages/toolpath/picture_image.h"
#include "stages/toolpath/scan_picture_view.h"
#include "toolpath/scan/scan_picture.h"
#include "ui/ui.h"

namespace quill {

namespace {

// In the order of BitmapScanArea's fields.
constexpr FieldSpec kFields[] = {
    {"Xmin", "-X- Minimum", "0"},     {"Ymin", "-Y- Minimum", "0"},        {"Xmax", "-X- Width", "2.0000"},
    {"Ymax", "-Y- Height", "2.0000"}, {"Xstep", "-X- Stepover", "0.0100"}, {"Ystep", "-Y- Stepover", "0.0100"},
};

std::string ChoosePictureFile(QWidget* parent) {
  return Latin1(QFileDialog::getOpenFileName(parent, "Load Bitmap", QString(), PictureFileFilter()));
}

}  // namespace

TDlgBitscan::TDlgBitscan(Job& job, QWidget* parent) : QDialog(parent), job_(job), choose_(ChoosePictureFile) {
  setObjectName("TDlgBitscan");
  setWindowTitle("3D Bitmap Scanner");
  fields_ = MakeFields(job.ui, this, kFields);
  invert_ = new QCheckBox("Invert -Z- Axis", this);
  invert_->setObjectName("CBinvert");
  unidirectional_ = new QCheckBox("Uni-Directional Cutting", this);
  unidirectional_->setObjectName("CBUnidir");
  view_ = new ScanPictureView(this);
  size_ = new QLabel(this);
  BuildLayout();
}

void TDlgBitscan::BuildLayout() {
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < fields_.size(); ++i) {
    int row = static_cast<int>(i / 2), column = static_cast<int>(i % 2) * 2;
    grid->addWidget(new QLabel(kFields[i].caption, this), row, column);
    grid->addWidget(fields_[i], row, column + 1);
  }
  grid->addWidget(invert_, 3, 0, 1, 2);
  grid->addWidget(unidirectional_, 3, 2, 1, 2);

  auto* tools = new QHBoxLayout;
  auto button = [this, tools](const char* caption, const char* name, auto slot) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    tools->addWidget(b);
  };
  button("Load Bitmap", "BitBtn1", [this] { LoadBitmap(); });
  button("Paste Bitmap", "BitBtn2", [this] { PasteBitmap(); });
  button("Zoom In", "ZoomIn", [this] { view_->ZoomIn(); });
  button("Zoom Out", "ZoomOut", [this] { view_->ZoomOut(); });
  button("Fit", "Fit", [this] { view_->ZoomToFit(); });
  tools->addStretch();
  tools->addWidget(size_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(tools);
  layout->addWidget(view_, 1);
  layout->addWidget(new QLabel("Right mouse button: drag a box to zoom to it", this));
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_("3D_Bitmap_Scan");
  }));
  resize(640, 560);
}

ExprField* TDlgBitscan::Field(const std::string& name) const {
  return FieldNamed(fields_, name);
}

bool TDlgBitscan::Ask() {
  // The run behind the window shows the hourglass; the operator works here with the normal cursor.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  bool ok = exec() == QDialog::Accepted;
  QApplication::restoreOverrideCursor();
  return ok;
}

// The last picture comes back each time the window opens.
void TDlgBitscan::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PictureRead kept = LoadScanPicture(job_);
  if (!kept.Ok()) job_.ui.Error(kept.error);
  picture_ = std::move(kept.picture);
  ShowPicture();
}

void TDlgBitscan::ShowPicture() {
  view_->SetImage(ImageFromPicture(picture_));
  size_->setText(picture_.Empty() ? "No picture"
                                  : QString("%1 x %2 pixels").arg(picture_.Width()).arg(picture_.Height()));
}

// A picture read is shown and kept; one that could not be read says why and changes nothing.
void TDlgBitscan::TakePicture(PictureRead read) {
  if (!read.Ok()) {
    job_.ui.Error(read.error);
    return;
  }
  picture_ = std::move(read.picture);
  ShowPicture();
  KeepScanPicture(job_, picture_);
}

void TDlgBitscan::LoadBitmap() {
  std::string path = choose_(this);
  if (!path.empty()) TakePicture(ReadPictureFile(path));
}

void TDlgBitscan::PasteBitmap() {
  QImage pasted = QApplication::clipboard()->image();
  if (pasted.isNull()) {
    job_.ui.Inform("The Clipboard Holds No Picture");
    return;
  }
  TakePicture(PictureFromImage(pasted));
}

void TDlgBitscan::accept() {
  std::array<double, 6> v{};
  if (!EvaluateFields(fields_, v)) return;
  BitmapScanArea area{v[0], v[1], v[2], v[3], v[4], v[5], invert_->isChecked(), unidirectional_->isChecked()};
  std::string refusal = CheckScanArea(area);
  if (refusal.empty() && picture_.Empty()) refusal = "Cannot Process 3D Bitmap Scan, No Picture Has Been Loaded";
  if (!refusal.empty()) {
    job_.ui.Error(refusal);
    return;
  }
  area_ = area;
  QDialog::accept();
}

}  // namespace quill
