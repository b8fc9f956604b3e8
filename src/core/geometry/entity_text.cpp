// tgEntity: the one-line text form shown to the operator and copied to the clipboard.
#include <string>

#include "geometry/entity.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

constexpr int TextDecimals = 5;

void AddField(std::string& s, const char* name, double value) {
  s += name;
  s += FormatFixed(value, TextDecimals);
}

}  // namespace

std::string tgEntity::Describe() const {
  std::string s;
  switch (kind_) {
    case KindBlank: return "Blank Entity";
    case KindPoint: s = "Point  X"; break;
    case KindLine: s = "Line   X"; break;
    case KindArc: s = ccw_ ? "ArcCCW X" : "ArcCw  X"; break;
    default: return "Undefined Type";
  }
  s += FormatFixed(X(), TextDecimals);
  AddField(s, " Y", Y());
  AddField(s, " Z", Z());
  if (IsLine()) {
    AddField(s, " XE", XE());
    AddField(s, " YE", YE());
    AddField(s, " ZE", ZE());
  } else if (IsArc()) {
    AddField(s, " R", R());
    AddField(s, " SA", SA() * RadToDeg);
    AddField(s, " FA", FA() * RadToDeg);
  }
  return s;
}

}  // namespace quill
