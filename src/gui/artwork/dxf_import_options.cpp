#include "artwork/dxf_import_options.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "artwork/dxf_status_form.h"
#include "job/job.h"
#include "shell/expr_field.h"

namespace quill {

TDxfImportDlg::TDxfImportDlg(Job& job, DxfStatusForm& status, QWidget* parent)
    : QDialog(parent),
      status_(status),
      tolerance_(new ExprField(job.ui, this)),
      arcFit_(new QCheckBox("Arc-Fit Splines", this)),
      replace_(new QCheckBox("Replace Existing Artwork", this)) {
  setObjectName("TDxfImportDlg");
  setWindowTitle("DXF - Import");
  tolerance_->setObjectName("CUTTOL");
  arcFit_->setObjectName("Barcs");
  replace_->setObjectName("CBReplace");
  auto* form = new QFormLayout;
  form->addRow("Cutting Tolerance", tolerance_);
  QDialogButtonBox* buttons = OkCancelHelp(this, [this] {
    if (help_) help_("Import_Artwork");
  });
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(arcFit_);
  column->addWidget(replace_);
  column->addWidget(buttons);
  Show(options_);
}

void TDxfImportDlg::Show(const DxfImportOptions& o) {
  tolerance_->SetText(o.CUTTOL);
  arcFit_->setChecked(o.Barcs);
  replace_->setChecked(o.CBReplace);
}

bool TDxfImportDlg::Ask(bool forSymbol) {
  Show(options_);
  replace_->setEnabled(!forSymbol);
  tolerance_->setFocus();
  tolerance_->selectAll();
  return exec() == QDialog::Accepted;
}

// The tolerance typed and left without Tab is evaluated here; a bad expression keeps the window open.
void TDxfImportDlg::accept() {
  double tolerance = 0;
  if (!EvaluateFields({&tolerance_, 1}, {&tolerance, 1})) return;
  options_ = {tolerance_->Text(), arcFit_->isChecked(), replace_->isChecked()};
  QDialog::accept();
}

DxfImportWindows TDxfImportDlg::Windows() {
  return {[this](DxfImportOptions& o) {
            if (!Ask()) return false;
            o = options_;
            return true;
          },
          &status_};
}

}  // namespace quill
