#include "stages/toolpath/ref_frame_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "job/job.h"
#include "shell/expr_field.h"
#include "toolpath/hatch/reference_frame.h"

namespace quill {

namespace {

constexpr const char* kCaptions[] = {"Frame Starting -X- ", "Frame Starting -Y- ", "Frame Width", "Frame Height"};
constexpr const char* kKeys[] = {"RFX", "RFY", "RFXX", "RFYY"};

}  // namespace

TRefFrameDlg::TRefFrameDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TRefFrameDlg");
  setWindowTitle("Reference Frame");
  auto* form = new QFormLayout;
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new ExprField(job.ui, this);
    fields_[i]->setObjectName(kKeys[i]);
    form->addRow(kCaptions[i], fields_[i]);
  }
  enable_ = new QCheckBox("Reference Frame Enabled", this);
  enable_->setObjectName("RFRAME");
  form->addRow(enable_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_("Reference_Frame");
  }));
}

void TRefFrameDlg::PrepareForJob() {
  setWindowTitle(ReferenceFrameCaption);
  enable_->show();
}

void TRefFrameDlg::showEvent(QShowEvent* event) {
  ReferenceFrameFields f = ReferenceFrameDialogFields(job_);
  const std::string* texts[] = {&f.x, &f.y, &f.width, &f.height};
  for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->SetText(*texts[i]);
  enable_->setChecked(f.enabled);
  QDialog::showEvent(event);
}

void TRefFrameDlg::accept() {
  std::array<double, 4> values{};
  if (!EvaluateFields(fields_, values)) return;
  StoreReferenceFrame(
      job_, {enable_->isChecked(), fields_[0]->Text(), fields_[1]->Text(), fields_[2]->Text(), fields_[3]->Text()});
  QDialog::accept();
}

}  // namespace quill
