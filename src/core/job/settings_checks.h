// What the settings dialog does with the values: the checks on leaving a field, the curve point count,
// the switch to variable spacing and OK.  The dialog's fields are the settings themselves, so these
// work on the job directly; messages go through the job's Ui.
#pragma once

#include <optional>

namespace quill {

class Job;
struct EngravingSettings;

// The fields that are checked when they lose the focus.
enum class SettingsField { TextHeight, TextWidthFactor, TextWidth, TiltAngle, NumberOfPoints };

// Checks the field's current text (already evaluated as an expression; "Number of Points" is a whole
// number and is not).  On a bad value shows the message and returns the field that must get the focus
// back; the text is left as typed.
std::optional<SettingsField> CheckLeavingField(Job& job, SettingsField field);

// On leaving "Number of Points" and on entering the point table: a whole number from 3 to 125 becomes
// the count of points in use; any other text changes nothing.  True when the count was taken.
bool ApplyPointCount(EngravingSettings& s);

enum class VariableSpacing {
  TooMuchText,  // "Constant" is selected again
  Filled,       // the per-character table was filled from the text
  Kept,         // the operator kept the table as it was
};
// "Variable" clicked (not while a project is being loaded).
VariableSpacing SwitchToVariableSpacing(Job& job);

// The editor's character count becomes the per-character table's row count (dialog activation,
// project load).
void TakeCharacterCount(Job& job);

// OK: the project is marked modified and FCTOL becomes the font-curve tolerance.
void ConfirmSettings(Job& job);

}  // namespace quill
