#include "shell/expr_field.h"

#include <QFocusEvent>

namespace quill {

ExprField::ExprField(Ui& ui, QWidget* parent) : QLineEdit(parent), ui_(ui) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (setting_) *setting_ = Text();
  });
}

std::string ExprField::Text() const {
  return text().toLatin1().toStdString();
}

void ExprField::SetText(const std::string& text) {
  setText(QString::fromLatin1(text.c_str()));
}

void ExprField::SetFocus() {
  setFocus(Qt::OtherFocusReason);
}

void ExprField::Bind(std::string* setting) {
  setting_ = setting;
  Reload();
}

void ExprField::Reload() {
  if (setting_ && Text() != *setting_) SetText(*setting_);
}

double ExprField::Evaluate(bool* ok) {
  // The outcome tells good from bad; EvalEditField does the showing (number or warning and focus).
  bool good = EvaluateFieldText(Text()).ok;
  double value = EvalEditField(ui_, *this);
  if (ok) *ok = good;
  return value;
}

void ExprField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another window or opening a menu is not leaving the field; a warning box shown while
  // evaluating must not start a second evaluation.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (evaluating_ || isReadOnly()) return;
  evaluating_ = true;
  bool ok = false;
  double value = Evaluate(&ok);
  evaluating_ = false;
  emit Left(value, ok);
}

}  // namespace quill
