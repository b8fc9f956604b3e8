// What the preferences dialog does with its fields: filled once from the preferences, the tolerance
// refreshed on every showing, the line-width arrows, and OK copying every field back.
#pragma once

#include <string>

#include "job/preferences.h"

namespace quill {

class Job;

struct PreferencesFields {
  std::string tapeDir;     // "Default Directory for NC - Files"
  std::string defaultExt;  // "Default NC - File Extension " (at most 3 characters)
  std::string lineWidth;   // "Printer Line Width"
  std::string tolerance;   // "Surface Projection Tolerance"
  Color artColor, textLineColor, textArcColor, toolPathColor, rapidColor;
  bool showToolPath, showToolWidth, showToolImage, showRapids, showAxes, showRuler, blackBackground;
  bool printColor, printToScale;
};

PreferencesFields FillPreferencesFields(const Job& job);

// The tolerance as each showing of the dialog presents it.
std::string ToleranceFieldText(const Preferences& p);

// "Show Tool Width" can be changed only while "Display Tool Path" is checked.
inline bool ToolWidthEnabled(const PreferencesFields& f) {
  return f.showToolPath;
}

// The field's whole number, or 1 when it holds none.
int LineWidthOf(const std::string& field);
// An arrow press: the width moved by step, never below 1.
std::string StepLineWidth(const std::string& field, int step);

// OK: every field into its preference; nothing is written to the file before the program closes.
void ApplyPreferencesFields(Job& job, const PreferencesFields& f);

}  // namespace quill
