#include "records/record_fields.h"

#include <cstdint>

#include "mathlib/fixed_format.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool FieldEnds(std::string_view s) {
  return s.empty() || IsBlank(s.front());
}

const char* SkipBlanks(const char* p, const char* end) {
  while (p < end && IsBlank(*p)) ++p;
  return p;
}

// The common whole-number field ("-12", "3"): an optional minus and at most 18 digits, then a blank or
// the end.  False, with s untouched, for anything else.
bool ReadPlainInt(std::string_view& s, long long& v) {
  const char* const end = s.data() + s.size();
  const char* p = SkipBlanks(s.data(), end);
  const bool negative = p < end && *p == '-';
  p += negative;
  // Gathered without a sign, where a damaged field of many digits wraps instead of overflowing; it is
  // refused by its count below, and 18 digits always fit.
  uint64_t n = 0;
  int digits = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p, ++digits) n = n * 10 + static_cast<uint64_t>(*p - '0');
  if (digits == 0 || digits > 18 || (p < end && !IsBlank(*p))) return false;
  v = negative ? -static_cast<long long>(n) : static_cast<long long>(n);
  s.remove_prefix(static_cast<size_t>(p - s.data()));
  return true;
}

}  // namespace

// The work files' own numbers are read without the general converter; anything else goes through it.
std::optional<long long> ReadIntField(std::string_view& s) {
  long long plain = 0;
  if (ReadPlainInt(s, plain)) return plain;
  auto v = ReadInt(s);
  if (!v || !FieldEnds(s)) return std::nullopt;
  return v;
}

std::optional<double> ReadRealField(std::string_view& s) {
  const char* const end = s.data() + s.size();
  const char* from = SkipBlanks(s.data(), end);
  double plain = 0;
  const char* stop = ReadFixed(from, end, plain);
  if (stop && (stop == end || IsBlank(*stop))) {
    s.remove_prefix(static_cast<size_t>(stop - s.data()));
    return plain;
  }
  auto v = ReadReal(s);
  if (!v || !FieldEnds(s)) return std::nullopt;
  return v;
}

}  // namespace quill
