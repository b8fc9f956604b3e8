// The arithmetic behind every numeric entry field: '1/8', '2.5%' (millimetres), '30DR', 'SQRT 2 * 0.1'.
#pragma once

#include <string>

namespace quill {

class Ui;

enum ExprError : int {
  ExprOk = 0,
  ExprIllegalCharacter = 1,
  ExprSyntax = 2,
  ExprParentheses = 3,
  ExprNumberFormat = 4,
  ExprIllegalFunction = 5,
  ExprUndefined = 6,
  ExprTooLarge = 7,
  ExprComplex = 8,
  ExprDivisionByZero = 9,
};

// The message shown for an error code.
const char* ExprErrorMessage(int code);

// Evaluates upper-cased text.  code is an ExprError; pos the 1-based position of the error (0 when
// none).  The value is 0 on error.  A "%" makes the result millimetres converted to inches.
double EvaluateExpression(const std::string& text, int& code, int& pos);

// What a dialog's numeric entry field offers the evaluator.
class EditField {
 public:
  virtual ~EditField() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetFocus() = 0;
};

// Evaluates the field as it loses the focus: on success the field shows the value with 5 decimals and
// the value is returned; on error the "Error in Expression" warning marks the place, the field keeps
// its text and gets the focus back, and 0 is returned.
double EvalEditField(Ui& ui, EditField& field);

// The text EvalEditField leaves in a field ("0.33333"), or the warning text when the expression is bad.
struct EvalOutcome {
  bool ok = false;
  double value = 0;
  std::string fieldText;  // on success
  std::string warning;    // on failure: the whole message box text
};
EvalOutcome EvaluateFieldText(const std::string& text);

}  // namespace quill
