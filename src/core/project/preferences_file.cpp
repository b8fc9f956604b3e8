#include "project/preferences_file.h"

#include <array>
#include <utility>
#include <vector>

#include "job/job.h"
#include "job/settings_values.h"
#include "mathlib/number_text.h"
#include "project/preference_values.h"
#include "project/preferences_dialog.h"
#include "project/profile.h"

namespace quill {
namespace {

struct ColorKey {
  const char* key;
  Color Preferences::*field;
  Color def;
};

// The colour keys in their written order.
constexpr std::array<ColorKey, 5> kColors{{
    {"Awcolor", &Preferences::ArtColor, clAqua},
    {"Tlcolor", &Preferences::TextLineColor, clGreen},
    {"Tacolor", &Preferences::TextArcColor, clPurple},
    {"TPcolor", &Preferences::ToolPathColor, clGray},
    {"RAPcolor", &Preferences::RapidColor, clRed},
}};

struct BoolKey {
  const char* key;
  bool Preferences::*field;
  bool def;
};

constexpr std::array<BoolKey, 4> kDisplayFlags{{
    {"TPDISPLAY", &Preferences::ShowToolPath, true},
    {"TPWIDE", &Preferences::ShowToolWidth, true},
    {"TPIMAGE", &Preferences::ShowToolImage, true},
    {"TPMOVES", &Preferences::ShowRapids, true},
}};

constexpr std::array<BoolKey, 5> kPrintAndViewFlags{{
    {"PRNCOLOR", &Preferences::PrintColor, false},
    {"PRNTOSCALE", &Preferences::PrintToScale, false},
    {"AXIS", &Preferences::ShowAxes, true},
    {"RULER", &Preferences::ShowRuler, false},
    {"BLACKBACK", &Preferences::BlackBackground, false},
}};

// A value of "DEFAULTS" converted by parse, or def when it is missing or cannot be converted.
template <typename T, typename Parse>
T ReadValue(const ProfileFile& ini, const char* key, T def, Parse parse) {
  auto v = parse(ini.ReadString(DefaultsSection, key, ""));
  return v ? static_cast<T>(*v) : def;
}

bool ReadBool(const ProfileFile& ini, const char* key, bool def) {
  return ReadValue<int>(ini, key, def ? 1 : 0, PreferenceInt) != 0;
}

void ReadFlags(const ProfileFile& ini, Preferences& p, const auto& flags) {
  for (const BoolKey& f : flags) p.*f.field = ReadBool(ini, f.key, f.def);
}

void AddFlags(std::vector<std::pair<std::string, std::string>>& out, const Preferences& p, const auto& flags) {
  for (const BoolKey& f : flags) out.emplace_back(f.key, BoolText(p.*f.field));
}

}  // namespace

void ReadPreferences(Job& job) {
  ProfileFile ini(job.paths.IniFileName);
  Preferences& p = job.prefs;
  job.paths.TapeDir = ini.ReadString(DefaultsSection, "TAPEDIR", job.paths.ExeDir);
  p.DefaultExt = ini.ReadString(DefaultsSection, "DEFEXT", "TAP");
  for (const ColorKey& c : kColors) p.*c.field = ReadValue<Color>(ini, c.key, c.def, PreferenceColor);
  ReadFlags(ini, p, kDisplayFlags);
  p.PrintLineWidth = ReadValue<int>(ini, "PRNLNWIDTH", 1, PreferenceInt);
  ReadFlags(ini, p, kPrintAndViewFlags);
  p.ProjectionTolerance = ReadValue<double>(ini, "PROJTOL", p.ProjectionTolerance, PreferenceFloat);
  p.ProjectionToleranceText = ToleranceFieldText(p);
}

void WritePreferences(Job& job) {
  const Preferences& p = job.prefs;
  std::vector<std::pair<std::string, std::string>> values{{"TAPEDIR", job.paths.TapeDir}, {"DEFEXT", p.DefaultExt}};
  for (const ColorKey& c : kColors) values.emplace_back(c.key, ColorText(p.*c.field));
  AddFlags(values, p, kDisplayFlags);
  values.emplace_back("PRNLNWIDTH", IntToText(p.PrintLineWidth));
  AddFlags(values, p, kPrintAndViewFlags);
  values.emplace_back("PROJTOL", p.ProjectionToleranceText);
  ProfileFile(job.paths.IniFileName).WriteStrings(DefaultsSection, values);
}

void ReadRecentSection(Job& job) {
  ProfileFile ini(job.paths.IniFileName);
  for (size_t k = 0; k < job.prefs.RecentProjects.size(); ++k) {
    job.prefs.RecentProjects[k] = ini.ReadString(RecentSection, std::to_string(k), "");
  }
}

void WriteRecentSection(const Job& job) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t k = 0; k < job.prefs.RecentProjects.size(); ++k) {
    values.emplace_back(std::to_string(k), job.prefs.RecentProjects[k]);
  }
  ProfileFile(job.paths.IniFileName).WriteStrings(RecentSection, values);
}

void ReadSolidViewer(Job& job) {
  ProfileFile ini(job.paths.IniFileName);
  job.prefs.SolidView = ReadBool(ini, "SOLIDV", false);
  if (job.prefs.SolidView) job.paths.SolidPath = ini.ReadString(DefaultsSection, "SOLIDPATH", "");
}

}  // namespace quill
