#include "job/settings_values.h"

#include <climits>
#include <cmath>

#include "mathlib/number_text.h"

namespace quill {

int RoundToInt(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(std::nearbyint(x));  // the default rounding mode takes halves to even
}

std::optional<int> IntegerText(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  if (i == text.size()) return std::nullopt;
  long long n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    n = n * 10 + (text[i] - '0');
    if (n > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) n = -n;
  if (n > INT_MAX || n < INT_MIN) return std::nullopt;
  return static_cast<int>(n);
}

double NumberOr(std::string_view text, double fallback) {
  std::optional<double> v = StrictToDouble(text);
  return v && std::isfinite(*v) ? *v : fallback;
}

long long EditorCharCount(const std::vector<std::string>& lines) {
  if (lines.empty()) return 0;
  long long n = 2 * static_cast<long long>(lines.size() - 1);
  for (const std::string& line : lines) n += static_cast<long long>(line.size());
  return n;
}

std::string JoinEditorText(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace quill
