#include "shell/expr_field.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>

#include "mathlib/number_text.h"

namespace quill {

namespace {

constexpr const char* kLeavesProperty = "leavesWithoutApplying";

bool LeavesWithoutApplying(QWidget* w) {
  auto* button = qobject_cast<QAbstractButton*>(w);
  if (!button) return false;
  if (button->property(kLeavesProperty).toBool()) return true;
  auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
  return box && box->buttonRole(button) == QDialogButtonBox::RejectRole;
}

}  // namespace

ExprField::ExprField(Ui& ui, QWidget* parent) : QLineEdit(parent), ui_(ui) {
  connect(this, &QLineEdit::textChanged, this, &ExprField::TakeText);
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
  if (!setting_) return;
  // A wrong text the operator was just warned about stays for mending; anything else shows the setting.
  bool mending = !told_.empty() && Text() == told_;
  if (!mending && Text() != *setting_) SetText(*setting_);
  before_ = *setting_;
}

// A number goes in as typed; an expression as the value leaving the field would show; anything else
// puts back what the edit found.
void ExprField::TakeText() {
  if (!setting_) return;
  std::string t = Text();
  EvalOutcome outcome = EvaluateFieldText(t);
  *setting_ = StrictToDouble(t) ? t : outcome.ok ? outcome.fieldText : before_;
}

bool ExprField::Good() const {
  return EvaluateFieldText(Text()).ok;
}

double ExprField::Evaluate(bool* ok) {
  // The outcome tells good from bad; EvalEditField does the showing (number or warning and focus).
  std::string typed = Text();
  bool good = EvaluateFieldText(typed).ok;
  double value = EvalEditField(ui_, *this);
  told_ = good ? std::string() : typed;
  if (good && setting_) before_ = *setting_;
  if (ok) *ok = good;
  return value;
}

void ExprField::Insist() {
  if (Text() != told_) Evaluate();
  SetFocus();
}

void ExprField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (setting_ && Good()) before_ = *setting_;
}

void ExprField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another window or opening a menu is not leaving the field, nor is going for Cancel;
  // a warning box shown while evaluating must not start a second evaluation.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (evaluating_ || isReadOnly() || LeavesWithoutApplying(QApplication::focusWidget())) return;
  evaluating_ = true;
  bool ok = false;
  double value = Evaluate(&ok);
  evaluating_ = false;
  emit Left(value, ok);
}

// The window was left: a wrong text gives way to the setting in force, which it never replaced.  The
// setting itself is not read here: a window is also hidden while it is destroyed.
void ExprField::hideEvent(QHideEvent* event) {
  QLineEdit::hideEvent(event);
  told_.clear();
  if (!setting_ || Good()) return;
  QSignalBlocker quiet(this);
  SetText(before_);
}

void MarkLeavesWithoutApplying(QAbstractButton* button) {
  button->setProperty(kLeavesProperty, true);
}

bool FieldsReady(QWidget* window) {
  for (ExprField* field : window->findChildren<ExprField*>()) {
    if (!field->isVisibleTo(window) || !field->isEnabled() || field->isReadOnly() || field->Good()) continue;
    field->Insist();
    return false;
  }
  return true;
}

}  // namespace quill
