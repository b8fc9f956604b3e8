#include "project/text_effects.h"

#include <cstring>

#include "job/job.h"
#include "job/settings_values.h"
#include "mathlib/number_text.h"

namespace quill {
namespace {

// The letters after which a word starts for "Drop-Cap All Words".
bool EndsWord(char c) {
  return c != '\0' && std::strchr(" !\"',.:;?-", c) != nullptr;
}

// The height of character i of a line whose last index is n (n > 0).
double HeightAt(const TextEffectHeights& h, const std::string& line, size_t i, size_t n) {
  switch (h.effect) {
    case TextEffect::Slope: return h.first + static_cast<double>(i) * (h.second - h.first) / static_cast<double>(n);
    case TextEffect::PeakValley: {
      double centre = static_cast<double>(n + 1) / 2.0;
      double step = (h.second - h.first) / centre;
      bool rising = static_cast<long long>(i) < RoundToInt(centre);
      return h.first + step * static_cast<double>(rising ? i : n - i);
    }
    case TextEffect::DropCaps:
      if (i == 0 || (h.allWords && EndsWord(line[i - 1]))) return h.second;
      return h.first;
  }
  return h.first;
}

}  // namespace

void ApplyTextEffect(Job& job, const TextEffectHeights& heights) {
  EngravingSettings& s = job.settings;
  s.TEXTHIGH = FormatFixed(heights.effect == TextEffect::DropCaps ? heights.second : heights.first, 5);
  size_t entry = 0;  // the table entry of the line's first character
  for (const std::string& line : job.text) {
    if (line.size() < 2) break;
    size_t n = line.size() - 1;
    for (size_t i = 0; i <= n && entry + i < CharTableSize; ++i) {
      s.CharTable[entry + i].height = static_cast<float>(HeightAt(heights, line, i, n));
    }
    entry += line.size() + 2;  // the carriage return and line feed have entries of their own
    if (entry >= CharTableSize) break;
  }
}

std::string DropCapTextHeight(double capitalHeight) {
  return FormatFixed(capitalHeight * 0.81818330579, 5);
}

}  // namespace quill
