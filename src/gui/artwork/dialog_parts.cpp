#include "artwork/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "shell/expr_field.h"

namespace quill {

QDialogButtonBox* OkCancelHelp(QDialog* dialog, std::function<void()> help) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QPushButton* helpButton = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(helpButton, &QPushButton::clicked, dialog, std::move(help));
  return buttons;
}

bool EvaluateFields(std::span<ExprField* const> fields, std::span<double> values) {
  for (size_t i = 0; i < fields.size() && i < values.size(); ++i) {
    bool ok = false;
    values[i] = fields[i]->Evaluate(&ok);
    if (!ok) return false;
  }
  return true;
}

}  // namespace quill
