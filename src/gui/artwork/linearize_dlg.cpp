#include "artwork/linearize_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "shell/expr_field.h"

namespace quill {

TLinearizeDlg::TLinearizeDlg(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TLinearizeDlg");
  setWindowTitle("Linearize Arcs");
  auto* form = new QFormLayout;
  tolerance_ = AddField(this, ui, form, "Tolerance To Convert\n Arcs to Lines", "Tolerance", "0.0001");
  QDialogButtonBox* buttons = OkCancelHelp(this, [this] {
    if (help_) help_("Linearize_Arcs");
  });
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);
}

bool TLinearizeDlg::Ask() {
  tolerance_->setFocus();
  tolerance_->selectAll();
  return exec() == QDialog::Accepted;
}

void TLinearizeDlg::accept() {
  LinearizeOptions o;
  if (!EvaluateFields({&tolerance_, 1}, {&o.tolerance, 1})) return;
  if (Refused(ui_, o.Check())) return;
  options_ = o;
  QDialog::accept();
}

}  // namespace quill
