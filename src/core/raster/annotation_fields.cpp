#include "raster/annotation_fields.h"

#include <cmath>

#include "mathlib/number_text.h"

namespace quill {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::vector<std::string> SplitFields(std::string_view s) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    size_t start = i;
    while (i < s.size() && !IsBlank(s[i])) ++i;
    if (i > start) out.emplace_back(s.substr(start, i - start));
  }
  return out;
}

}  // namespace

double AnnotationLine::Number(size_t n) const {
  if (n == 0 || n > fields.size()) return 0;
  std::optional<double> v = StrictToDouble(fields[n - 1]);
  return v && std::isfinite(*v) ? *v : 0;
}

AnnotationLine ReadAnnotationLine(std::string_view line) {
  AnnotationLine out;
  if (line.find("[LABEL]") != std::string_view::npos) {
    out.kind = AnnotationLineKind::Mark;
  } else if (line.find("[LINE]") != std::string_view::npos) {
    out.kind = AnnotationLineKind::Line;
  } else {
    return out;
  }
  // A mark typed by hand with a blank after its letter still counts.
  size_t end = line.size();
  while (end > 0 && IsBlank(line[end - 1])) --end;
  if (end > 0) out.last = line[end - 1];
  size_t from = line.find(']') + 1;
  if (from < end) out.fields = SplitFields(line.substr(from, end - from));
  return out;
}

}  // namespace quill
