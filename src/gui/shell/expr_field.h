// A numeric entry field that takes an arithmetic expression ('1/8', '2.5%', '30DR') and, when the
// operator leaves it for another control of the same window, evaluates it and shows the plain number
// with 5 decimals.  A bad expression gets the "Error in Expression" warning and the focus back.
//
// A field may be bound to the text of a setting: every edit goes straight into it (the windows' fields
// are the settings, there is no copy that OK commits), and Reload() shows the setting again.
#pragma once

#include <QLineEdit>
#include <string>

#include "mathlib/expression.h"

namespace quill {

class Ui;

class ExprField : public QLineEdit, public EditField {
  Q_OBJECT

 public:
  explicit ExprField(Ui& ui, QWidget* parent = nullptr);

  // EditField: the text as 8-bit characters, and the focus.
  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetFocus() override;

  // Every change of the text goes into *setting (nullptr: unbound); the field shows the setting now.
  void Bind(std::string* setting);
  // Shows the bound setting's text again (after a project was read, for example).
  void Reload();

  // Evaluates the text as leaving the field does; the value (0 after an error) and whether it was good.
  double Evaluate(bool* ok = nullptr);

 signals:
  // After the text was evaluated on leaving the field.
  void Left(double value, bool ok);

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Ui& ui_;
  std::string* setting_ = nullptr;
  bool evaluating_ = false;
};

}  // namespace quill
