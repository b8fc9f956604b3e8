#include "artwork/symbol_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "artwork/workshop/symbol.h"
#include "shell/expr_field.h"

namespace quill {

namespace {

struct SymbolField {
  const char* caption;
  const char* initial;
};

constexpr SymbolField kFields[] = {
    {"Insertion Point -X- :", "0.0000"},
    {"Insertion Point -Y- :", "0.0000"},
    {"Rotation Angle :", "0.0000"},
    {"Scale Factor :", "1.0000"},
};

}  // namespace

TSymbolDlg::TSymbolDlg(Ui& ui, QWidget* parent) : QDialog(parent) {
  setObjectName("TSymbolDlg");
  setWindowTitle("DXF Symbol");
  auto* form = new QFormLayout;
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new ExprField(ui, this);
    fields_[i]->setObjectName(kFields[i].caption);
    fields_[i]->setText(kFields[i].initial);
    form->addRow(kFields[i].caption, fields_[i]);
  }
  QDialogButtonBox* buttons = OkCancelHelp(this, [this] {
    if (help_) help_("Art_Workshop_Symbols");
  });
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);
}

bool TSymbolDlg::Ask(SymbolPlacement& at) {
  fields_[0]->setFocus();
  fields_[0]->selectAll();
  if (exec() != QDialog::Accepted) return false;
  at = {values_[0], values_[1], values_[2], values_[3]};
  return true;
}

// A bad expression keeps the window open.
void TSymbolDlg::accept() {
  if (EvaluateFields(fields_, values_)) QDialog::accept();
}

}  // namespace quill
