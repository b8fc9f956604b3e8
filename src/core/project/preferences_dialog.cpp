#include "project/preferences_dialog.h"

#include <algorithm>

#include "job/job.h"
#include "job/settings_values.h"
#include "mathlib/number_text.h"

namespace quill {
namespace {

constexpr int kToleranceDecimals = 5;
constexpr size_t kExtensionChars = 3;

}  // namespace

PreferencesFields FillPreferencesFields(const Job& job) {
  const Preferences& p = job.prefs;
  return {job.paths.TapeDir,     p.DefaultExt,    IntToText(p.PrintLineWidth),
          ToleranceFieldText(p), p.ArtColor,      p.TextLineColor,
          p.TextArcColor,        p.ToolPathColor, p.RapidColor,
          p.ShowToolPath,        p.ShowToolWidth, p.ShowToolImage,
          p.ShowRapids,          p.ShowAxes,      p.ShowRuler,
          p.BlackBackground,     p.PrintColor,    p.PrintToScale};
}

std::string ToleranceFieldText(const Preferences& p) {
  return FormatFixed(p.ProjectionTolerance, kToleranceDecimals);
}

int LineWidthOf(const std::string& field) {
  return IntegerText(field).value_or(1);
}

std::string StepLineWidth(const std::string& field, int step) {
  long long width = static_cast<long long>(LineWidthOf(field)) + step;
  return IntToText(std::clamp<long long>(width, 1, INT32_MAX));
}

void ApplyPreferencesFields(Job& job, const PreferencesFields& f) {
  Preferences& p = job.prefs;
  job.paths.TapeDir = f.tapeDir;
  p.DefaultExt = f.defaultExt.substr(0, kExtensionChars);
  p.PrintLineWidth = LineWidthOf(f.lineWidth);
  // The field was evaluated when it was left; text that is still no number leaves the tolerance as it was.
  p.ProjectionTolerance = NumberOr(f.tolerance, p.ProjectionTolerance);
  p.ProjectionToleranceText = f.tolerance;
  p.ArtColor = f.artColor;
  p.TextLineColor = f.textLineColor;
  p.TextArcColor = f.textArcColor;
  p.ToolPathColor = f.toolPathColor;
  p.RapidColor = f.rapidColor;
  p.ShowToolPath = f.showToolPath;
  p.ShowToolWidth = f.showToolWidth;
  p.ShowToolImage = f.showToolImage;
  p.ShowRapids = f.showRapids;
  p.ShowAxes = f.showAxes;
  p.ShowRuler = f.showRuler;
  p.BlackBackground = f.blackBackground;
  p.PrintColor = f.printColor;
  p.PrintToScale = f.printToScale;
}

}  // namespace quill
