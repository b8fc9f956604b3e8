// Pieces the artwork windows share: the OK, Cancel and Help row, and reading a window's expression
// fields when OK is pressed.
#pragma once

#include <functional>
#include <span>

class QDialog;
class QDialogButtonBox;

namespace quill {

class ExprField;

// OK accepts the dialog, Cancel rejects it, Help calls help.
QDialogButtonBox* OkCancelHelp(QDialog* dialog, std::function<void()> help);

// Evaluates each field as leaving it would (a field typed into and left without Tab is worked out
// here), into values; false at the first bad expression, which has been reported and has the focus.
bool EvaluateFields(std::span<ExprField* const> fields, std::span<double> values);

}  // namespace quill
