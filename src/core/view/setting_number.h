// A numeric setting as the view reads it: the field's text, or 0 when it is not a finite number.
#pragma once

#include <cmath>
#include <string>

#include "mathlib/number_text.h"

namespace quill {

inline double SettingNumber(const std::string& text) {
  auto v = StrictToDouble(text);
  return v && std::isfinite(*v) ? *v : 0;
}

}  // namespace quill
