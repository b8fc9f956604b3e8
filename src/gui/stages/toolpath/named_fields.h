// Expression fields made from a table of control names, captions and first texts, and found again by
// their names.
#pragma once

#include <span>
#include <string_view>
#include <vector>

class QWidget;

namespace quill {

class ExprField;
class Ui;

struct FieldSpec {
  const char* name;     // the control's name
  const char* caption;  // the label beside it
  const char* text;     // the text it starts with
};

// One field per FieldSpec, in their order, each a child of parent.
std::vector<ExprField*> MakeFields(Ui& ui, QWidget* parent, std::span<const FieldSpec> specs);

// The field of that name, or nullptr.
ExprField* FieldNamed(std::span<ExprField* const> fields, std::string_view name);

}  // namespace quill
