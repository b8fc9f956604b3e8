#include "artwork/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/expr_field.h"
#include "ui/ui.h"

namespace quill {

void ArrangeAboveButtons(QDialog* dialog, QLayout* fields, const HelpPageOpener& help, const char* page) {
  QDialogButtonBox* buttons = OkCancelHelp(dialog, [&help, page] {
    if (help) help(page);
  });
  auto* column = new QVBoxLayout(dialog);
  column->addLayout(fields);
  column->addWidget(buttons);
}

bool AskFrom(QDialog* dialog, QLineEdit* first) {
  first->setFocus();
  first->selectAll();
  return dialog->exec() == QDialog::Accepted;
}

bool EvaluateFields(std::span<ExprField* const> fields, std::span<double> values) {
  for (size_t i = 0; i < fields.size() && i < values.size(); ++i) {
    bool ok = false;
    values[i] = fields[i]->Evaluate(&ok);
    if (!ok) return false;
  }
  return true;
}

ExprField* AddField(QDialog* dialog, Ui& ui, QFormLayout* form, const char* caption, const char* name,
                    const char* initial) {
  auto* field = new ExprField(ui, dialog);
  field->setObjectName(name);
  field->setText(initial);
  form->addRow(caption, field);
  return field;
}

bool Refused(Ui& ui, const std::string& why) {
  if (why.empty()) return false;
  ui.Error(why);
  return true;
}

}  // namespace quill
