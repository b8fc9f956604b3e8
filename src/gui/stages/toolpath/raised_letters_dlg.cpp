#include "stages/toolpath/raised_letters_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "artwork/dialog_parts.h"
#include "job/job.h"
#include "shell/expr_field.h"
#include "stages/toolpath/named_fields.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr FieldSpec kFields[] = {
    {"Cangle", "Cutting Angle :", "0.0"},
    {"CutDist", "Space Between Cuts :", "0.05"},
    {"Eoffset", "Reduce Hatch Lines by: :", "0.05"},
};

}  // namespace

TRaisedLettersDlg::TRaisedLettersDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TRaisedLettersDlg");
  setWindowTitle("Generate Raised / Inset Letters");
  auto* operation = new QGroupBox("Hatching Operation", this);
  raised_ = new QRadioButton("Raised Letters", operation);
  inset_ = new QRadioButton("Inset letters", operation);
  inset_->setChecked(true);
  auto* operationLayout = new QVBoxLayout(operation);
  operationLayout->addWidget(raised_);
  operationLayout->addWidget(inset_);

  auto* form = new QFormLayout;
  fields_ = MakeFields(job.ui, this, kFields);
  for (size_t i = 0; i < fields_.size(); ++i) form->addRow(kFields[i].caption, fields_[i]);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(operation);
  layout->addLayout(form);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_("Raised_Inset_Letters");
  }));
}

ExprField* TRaisedLettersDlg::Field(const char* name) const {
  return FieldNamed(fields_, name);
}

void TRaisedLettersDlg::accept() {
  std::array<double, 3> v{};
  if (!EvaluateFields(fields_, v)) return;
  RaisedInsetChoices choices{raised_->isChecked() ? HatchOperation::Raised : HatchOperation::Inset, v[0], v[1], v[2]};
  std::string refusal = CheckRaisedInset(choices);
  if (!refusal.empty()) {
    job_.ui.Error(refusal);
    return;
  }
  choices_ = choices;
  QDialog::accept();
}

void TRaisedLettersDlg::GenerateLetters() {
  RaisedInsetLetters(job_, choices_);
}

}  // namespace quill
