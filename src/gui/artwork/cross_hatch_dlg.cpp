#include "artwork/cross_hatch_dlg.h"

#include <QFormLayout>

#include "artwork/dialog_parts.h"
#include "geometry/entity_report.h"
#include "mathlib/number_text.h"
#include "shell/expr_field.h"

namespace quill {

TCrossHatchDlg::TCrossHatchDlg(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TCrossHatchDlg");
  setWindowTitle("Cross Hatching");
  auto* form = new QFormLayout;
  fields_[Angle] = AddField(this, ui, form, "Cross Hatch Angle", "Angle", "0.0");
  fields_[Distance] = AddField(this, ui, form, "Cross Hatch Distance", "Distance", "0.1");
  fields_[Tolerance] = AddField(this, ui, form, "End Point Tolerance", "Tolerance", "");
  ArrangeAboveButtons(this, form, help_, "Art_Workshop_Xhatch");
}

bool TCrossHatchDlg::Ask() {
  fields_[Tolerance]->SetText(FloatToText(true, EntityTolerance));
  return AskFrom(this, fields_[Angle]);
}

void TCrossHatchDlg::accept() {
  std::array<double, FieldCount> v{};
  if (!EvaluateFields(fields_, v)) return;
  HatchOptions o{v[Angle], v[Distance], v[Tolerance]};
  if (Refused(ui_, o.Check())) return;
  options_ = o;
  QDialog::accept();
}

}  // namespace quill
