#include "records/record_fields.h"

#include <cstdint>

#include "mathlib/number_text.h"

namespace quill {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool FieldEnds(std::string_view s) {
  return s.empty() || IsBlank(s.front());
}

constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common field of the work files ("-12.500000", "3"): an optional minus, at most 19 digits with at
// most one point, then a blank or the end.  The value is the general reader's to the bit (a whole number
// of at most 2^53 over an exact power of ten is one correctly rounded division).  False, with s
// untouched, for anything else: the general reader decides then.
bool ReadPlainField(std::string_view& s, uint64_t& whole, int& decimals, bool& negative) {
  const char* p = s.data();
  const char* const end = p + s.size();
  while (p < end && IsBlank(*p)) ++p;
  negative = p < end && *p == '-';
  p += negative;
  whole = 0;
  decimals = 0;
  int digits = 0;
  bool point = false;
  for (; p < end; ++p) {
    const char c = *p;
    if (c >= '0' && c <= '9') {
      if (++digits > 19) return false;
      whole = whole * 10 + static_cast<uint64_t>(c - '0');
      decimals += point;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0 || (p < end && !IsBlank(*p)) || whole > (uint64_t{1} << 53) || decimals > 22) return false;
  s.remove_prefix(static_cast<size_t>(p - s.data()));
  return true;
}

}  // namespace

std::optional<long long> ReadIntField(std::string_view& s) {
  std::string_view fast = s;
  uint64_t whole = 0;
  int decimals = 0;
  bool negative = false;
  if (ReadPlainField(fast, whole, decimals, negative) && decimals == 0 && fast.data()[-1] != '.') {
    s = fast;
    return negative ? -static_cast<long long>(whole) : static_cast<long long>(whole);
  }
  auto v = ReadInt(s);
  if (!v || !FieldEnds(s)) return std::nullopt;
  return v;
}

std::optional<double> ReadRealField(std::string_view& s) {
  uint64_t whole = 0;
  int decimals = 0;
  bool negative = false;
  if (ReadPlainField(s, whole, decimals, negative)) {
    const double v = static_cast<double>(whole) / kExactPowers[decimals];
    return negative ? -v : v;
  }
  auto v = ReadReal(s);
  if (!v || !FieldEnds(s)) return std::nullopt;
  return v;
}

}  // namespace quill
