#include "stages/toolpath/named_fields.h"

#include "shell/expr_field.h"

namespace quill {

std::vector<ExprField*> MakeFields(Ui& ui, QWidget* parent, std::span<const FieldSpec> specs) {
  std::vector<ExprField*> fields;
  for (const FieldSpec& wanted : specs) {
    auto* field = new ExprField(ui, parent);
    field->setObjectName(wanted.name);
    field->SetText(wanted.text);
    fields.push_back(field);
  }
  return fields;
}

ExprField* FieldNamed(std::span<ExprField* const> fields, std::string_view name) {
  for (ExprField* field : fields) {
    if (field->objectName() == QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()))) return field;
  }
  return nullptr;
}

}  // namespace quill
