#include "artwork/linearize_dlg.h"

#include <QFormLayout>

#include "artwork/dialog_parts.h"
#include "shell/expr_field.h"

namespace quill {

TLinearizeDlg::TLinearizeDlg(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TLinearizeDlg");
  setWindowTitle("Linearize Arcs");
  auto* form = new QFormLayout;
  tolerance_ = AddField(this, ui, form, "Tolerance To Convert\n Arcs to Lines", "Tolerance", "0.0001");
  ArrangeAboveButtons(this, form, help_, "Linearize_Arcs");
}

bool TLinearizeDlg::Ask() {
  return AskFrom(this, tolerance_);
}

void TLinearizeDlg::accept() {
  LinearizeOptions o;
  if (!EvaluateFields({&tolerance_, 1}, {&o.tolerance, 1})) return;
  if (Refused(ui_, o.Check())) return;
  options_ = o;
  QDialog::accept();
}

}  // namespace quill
