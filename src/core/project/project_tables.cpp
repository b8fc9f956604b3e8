#include "project/project_tables.h"

#include <algorithm>
#include <cfloat>

#include "job/settings.h"
#include "job/settings_values.h"
#include "mathlib/number_text.h"

namespace quill {
namespace {

constexpr size_t kW12Width = 12;
constexpr int kW12Decimals = 8;

// Tables hold single precision; a value beyond its range is held at the largest one.
float ToSingle(double v) {
  return static_cast<float>(std::clamp(v, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

}  // namespace

std::string FormatW12(float value) {
  std::string text = FormatFixed(static_cast<double>(value), kW12Decimals);
  if (text.size() < kW12Width) text.insert(0, kW12Width - text.size(), ' ');
  return text;
}

std::string CurveRow(float x, float y) {
  return FormatW12(x) + " " + FormatW12(y);
}

std::string CharRow(float value, char ch) {
  return FormatW12(value) + " " + IntToText(static_cast<unsigned char>(ch));
}

RowWords SplitTableRow(const std::string& row) {
  size_t start = row.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  size_t end = row.find(' ', start);
  if (end == std::string::npos) return {row.substr(start), {}};
  size_t second = row.find_first_not_of(' ', end);
  return {row.substr(start, end - start), second == std::string::npos ? std::string() : row.substr(second)};
}

void StoreCurveRow(Ui& ui, EngravingSettings& s, int k, const std::string& row) {
  RowWords w = SplitTableRow(row);
  s.ACURVEX[k] = ToSingle(TextToDouble(ui, w.first));
  s.ACURVEY[k] = ToSingle(TextToDouble(ui, w.second));
}

void StoreCharRow(Ui& ui, EngravingSettings& s, CharColumn column, int k, const std::string& row) {
  RowWords w = SplitTableRow(row);
  float value = ToSingle(TextToDouble(ui, w.first));
  CharEntry& e = s.CharTable[k];
  (column == CharColumn::Spacing ? e.spacing : e.height) = value;
  // A character code keeps its low byte, as the character it stands for.
  e.ch = static_cast<char>(static_cast<unsigned char>(RoundToInt(TextToDouble(ui, w.second)) & 0xFF));
}

}  // namespace quill
