#include "project/preference_values.h"

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "mathlib/number_text.h"
#include "project/profile_text.h"

namespace quill {
namespace {

struct NamedColor {
  const char* name;
  Color value;
};

constexpr std::array<NamedColor, 16> kColorNames{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
}};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<uint32_t> HexValue(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t v = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    v = v << 4 | static_cast<uint32_t>(d);
  }
  return v;
}

std::optional<long long> DecimalValue(std::string_view digits) {
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  long long v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

}  // namespace

std::optional<int> PreferenceInt(std::string_view text) {
  bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  std::optional<long long> v;
  if (text.starts_with("$")) {
    v = HexValue(text.substr(1));
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    v = HexValue(text.substr(2));
  } else {
    v = DecimalValue(text);
    if (v && *v > static_cast<long long>(INT_MAX) + negative) return std::nullopt;
  }
  if (!v) return std::nullopt;
  // Hexadecimal gives the 32-bit pattern, so $FFFFFFFF reads as -1.
  long long n = negative ? -*v : *v;
  return static_cast<int>(static_cast<uint32_t>(n));
}

std::optional<Color> PreferenceColor(std::string_view text) {
  for (const NamedColor& c : kColorNames) {
    if (ProfileNamesEqual(text, c.name)) return c.value;
  }
  std::optional<int> v = PreferenceInt(text);
  if (!v) return std::nullopt;
  return static_cast<Color>(*v);
}

std::optional<double> PreferenceFloat(std::string_view text) {
  std::optional<double> v = StrictToDouble(text);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

std::string ColorText(Color c) {
  for (const NamedColor& n : kColorNames) {
    if (n.value == c) return n.name;
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
  return buf;
}

}  // namespace quill
