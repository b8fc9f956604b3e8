// What the operator does in the tool path sources' windows: typing over a field, pressing a button of
// the OK, Cancel and Help row, pressing a named button.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace quill {

// Gives the field the focus and types over its text (the field is left by the next action).
inline void Type(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

inline void Press(QDialog* d, QDialogButtonBox::StandardButton which) {
  d->findChild<QDialogButtonBox*>()->button(which)->click();
}

inline void Click(QDialog* d, const char* button) {
  d->findChild<QPushButton*>(button)->click();
}

}  // namespace quill
