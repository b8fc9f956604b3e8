#include "job/settings_checks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "job/job.h"
#include "job/settings_values.h"
#include "ui/ui.h"

namespace quill {
namespace {

bool Positive(const std::string& text) {
  return NumberOr(text, 0.0) > 0.0;
}

// The text's number when it is one and lies within [-limit, limit].
bool WithinMagnitude(const std::string& text, double limit) {
  double v = NumberOr(text, NAN);
  return !std::isnan(v) && std::fabs(v) <= limit;
}

// The count "Number of Points" asks for; a text that is not a whole number stands for the table's
// current row limit (count plus the header row).
int RequestedPoints(const EngravingSettings& s) {
  return IntegerText(s.ACNPTS).value_or(s.CurvePoints + 1);
}

constexpr int kMinCurvePoints = 3;

}  // namespace

std::optional<SettingsField> CheckLeavingField(Job& job, SettingsField field) {
  const EngravingSettings& s = job.settings;
  const char* message = nullptr;
  switch (field) {
    case SettingsField::TextHeight:
      if (!Positive(s.TEXTHIGH)) message = "Text Height cannot be Zero";
      break;
    case SettingsField::TextWidthFactor:
      if (!Positive(s.TWFACT)) message = "Text Width Factor cannot be Zero";
      break;
    case SettingsField::TextWidth:
      if (!Positive(s.TEXTWIDE)) message = "Text Width cannot be Zero";
      break;
    case SettingsField::TiltAngle:
      if (!WithinMagnitude(s.TILTANG, 90.0)) message = "Tilt Angle Must be Between 0.0 and +/- 90.0";
      break;
    case SettingsField::NumberOfPoints: {
      int n = RequestedPoints(s);
      if (n >= kMinCurvePoints && n <= CurvePointCount) return std::nullopt;
      job.ui.Inform("Number of Points Must be Between 3 and " + std::to_string(CurvePointCount));
      return field;
    }
  }
  if (!message) return std::nullopt;
  job.ui.Error(message);
  return field;
}

bool ApplyPointCount(EngravingSettings& s) {
  std::optional<int> n = IntegerText(s.ACNPTS);
  if (!n || *n < kMinCurvePoints || *n > CurvePointCount) return false;
  s.CurvePoints = *n;
  return true;
}

VariableSpacing SwitchToVariableSpacing(Job& job) {
  EngravingSettings& s = job.settings;
  long long n = EditorCharCount(job.text);
  if (n > CharTableSize) {
    job.ui.Inform("Text Amount Too Large for Variable Spacing");
    s.BCSPACE = 1;
    return VariableSpacing::TooMuchText;
  }
  s.BCSPACE = 0;
  if (!job.ui.AskYesNo("Update variable Character Spacing Table", MsgKind::Information)) return VariableSpacing::Kept;
  std::string text = JoinEditorText(job.text);
  float spacing = static_cast<float>(NumberOr(s.CHRSPACE, 0.125));
  float height = static_cast<float>(NumberOr(s.TEXTHIGH, 1.0));
  s.CharRows = static_cast<int>(n);
  // The entry after the last character is filled too (with no character) while the table has room.
  size_t last = std::min(text.size() + 1, static_cast<size_t>(CharTableSize));
  for (size_t i = 0; i < last; ++i) s.CharTable[i] = {i < text.size() ? text[i] : '\0', spacing, height};
  return VariableSpacing::Filled;
}

void TakeCharacterCount(Job& job) {
  job.settings.CharRows = static_cast<int>(std::min<long long>(EditorCharCount(job.text), INT_MAX));
}

void ConfirmSettings(Job& job) {
  job.flags.ProjectModified = true;
  // A tolerance that is not a positive number would stall the arc fitter; the last good one stays.
  double tolerance = NumberOr(job.settings.FCTOL, 0.0);
  if (tolerance > 0.0) job.fontCurveTolerance = tolerance;
}

}  // namespace quill
