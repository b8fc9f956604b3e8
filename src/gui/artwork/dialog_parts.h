// Pieces the artwork windows share: the OK, Cancel and Help row (shell/dialog_buttons.h), expression fields with their
// captions, reading them when OK is pressed, and options the window refuses.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "shell/dialog_buttons.h"
#include "shell/help_contexts.h"

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLayout;
class QLineEdit;

namespace quill {

class ExprField;
class Ui;

// The window's fields above its OK, Cancel and Help row; Help shows the page through help, which may
// be set after this call.
void ArrangeAboveButtons(QDialog* dialog, QLayout* fields, const HelpPageOpener& help, const char* page);

// Runs the dialog modally with the first field's text selected for typing over; true on OK.
bool AskFrom(QDialog* dialog, QLineEdit* first);

// Evaluates each field as leaving it would (a field typed into and left without Tab is worked out
// here), into values; false at the first bad expression, which has been reported and has the focus.
bool EvaluateFields(std::span<ExprField* const> fields, std::span<double> values);

// A field of the dialog in a row of the form, with its caption, its object name and its first text.
ExprField* AddField(QDialog* dialog, Ui& ui, QFormLayout* form, const char* caption, const char* name,
                    const char* initial);

// Options the window cannot work: the reason (what Check() said) shown, true.  Nothing when why is
// empty.
bool Refused(Ui& ui, const std::string& why);

}  // namespace quill
