// A numeric entry field that takes an arithmetic expression ('1/8', '2.5%', '30DR') and, when the
// operator leaves it for another control of the same window, evaluates it and shows the plain number
// with 5 decimals.  A bad expression gets the "Error in Expression" warning and the focus back.
//
// A field may be bound to the text of a setting: every edit that is a number goes straight into it (the
// windows' fields are the settings, there is no copy that OK commits); an expression goes in as its
// value; a text that is no number leaves the setting as the edit found it, so the stages never read it.
// Reload() shows the setting again; hiding the window puts a wrong text the operator left back to it.
#pragma once

#include <QLineEdit>
#include <string>

#include "mathlib/expression.h"

class QAbstractButton;

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

  // Every good text goes into *setting (nullptr: unbound); the field shows the setting now.
  void Bind(std::string* setting);
  // Shows the bound setting's text again (after a project was read, for example); a wrong text the
  // operator was just warned about stays for mending until the window is left.
  void Reload();

  // Evaluates the text as leaving the field does; the value (0 after an error) and whether it was good.
  double Evaluate(bool* ok = nullptr);
  // True when the text is a number or an expression that evaluates.
  bool Good() const;
  // A wrong text stands in the way of OK: its warning (unless the operator was just told about this
  // very text) and the focus.
  void Insist();

 signals:
  // After the text was evaluated on leaving the field.
  void Left(double value, bool ok);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void TakeText();

  Ui& ui_;
  std::string* setting_ = nullptr;
  std::string before_;  // the setting as the edit found it: what a wrong text leaves in force
  std::string told_;    // the wrong text last warned about
  bool evaluating_ = false;
};

// Marks a button that leaves its window without applying anything (Cancel).  Leaving a field for it
// evaluates nothing, so a wrong text never keeps the operator in the window.  The Cancel of a
// QDialogButtonBox counts without being marked.
void MarkLeavesWithoutApplying(QAbstractButton* button);

// OK's guard: false, with Insist() on the first shown field of window whose text is wrong.
bool FieldsReady(QWidget* window);

}  // namespace quill
