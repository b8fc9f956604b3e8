// TEXT entities and the "%%" sequences of drawing texts.
#include "artwork/dxf_text.h"

#include <cctype>

#include "artwork/dxf_convert.h"
#include "artwork/dxf_reader.h"

namespace quill {

namespace {

constexpr char DiameterSign = static_cast<char>(129);
constexpr char DegreeSign = static_cast<char>(127);

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The sequence after a "%%" at s[i]: appends what it stands for and returns its length.
size_t DecodeSequence(std::string_view s, size_t i, std::string& out) {
  if (i + 2 >= s.size()) return s.size() - i;  // a "%%" at the end is dropped
  char c = s[i + 2];
  if (c == 'c') out += DiameterSign;
  if (c == 'd') out += DegreeSign;
  if (!IsDigit(c)) return 3;
  size_t end = std::min(s.size(), i + 5);
  int code = 0;
  for (size_t k = i + 2; k < end; ++k) {
    if (!IsDigit(s[k])) return end - i;  // digits that do not make a number: all dropped
    code = code * 10 + (s[k] - '0');
  }
  if (end - i == 5 && code <= 255) out += static_cast<char>(code);
  return end - i;
}

}  // namespace

std::string DecodeDxfText(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    if (s[i] == '%' && i + 1 < s.size() && s[i + 1] == '%') {
      i += DecodeSequence(s, i, out);
    } else {
      out += s[i++];
    }
  }
  return out;
}

bool ConvertText(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  const DxfEntity& e = r.entity;
  if (!r.Matches(e) || !(e.r40 > 0)) return more;
  DxfText t;
  t.text = DecodeDxfText(e.text);
  t.justify = e.justify == 1 ? DxfJustify::Centre : e.justify == 2 ? DxfJustify::Right : DxfJustify::Left;
  // Centred and right-aligned texts stand at their second point.
  DxfPoint at = t.justify == DxfJustify::Left ? e.p[0] : e.p[1];
  r.in.ToWorld(at);
  t.x = at.x;
  t.y = at.y;
  t.height = e.r40;
  t.angle = e.a50;
  t.oblique = e.a51;
  // In a block the text turns and grows with its insert, unless the insert stretches it unevenly.
  double unused = 0;
  if (r.in.AllUniform()) r.in.ArcToWorld(t.height, t.angle, unused);
  r.text.Engrave(t);
  r.Count(DxfCounter::Text);
  return more;
}

}  // namespace quill
