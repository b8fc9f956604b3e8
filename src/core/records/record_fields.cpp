#include "records/record_fields.h"

#include "mathlib/number_text.h"

namespace quill {

namespace {

bool FieldEnds(std::string_view s) {
  return s.empty() || s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n';
}

}  // namespace

std::optional<long long> ReadIntField(std::string_view& s) {
  auto v = ReadInt(s);
  if (!v || !FieldEnds(s)) return std::nullopt;
  return v;
}

std::optional<double> ReadRealField(std::string_view& s) {
  auto v = ReadReal(s);
  if (!v || !FieldEnds(s)) return std::nullopt;
  return v;
}

}  // namespace quill
