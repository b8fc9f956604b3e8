#include "artwork/symbol_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

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
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] {
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

// A field typed and left without Tab is evaluated here; a bad expression keeps the window open.
void TSymbolDlg::accept() {
  for (size_t i = 0; i < fields_.size(); ++i) {
    bool ok = false;
    values_[i] = fields_[i]->Evaluate(&ok);
    if (!ok) return;
  }
  QDialog::accept();
}

}  // namespace quill
