// Text effects: the per-character height table filled along each line of the text with a slope, a
// peak or valley, or drop capitals.  Used with variable spacing, after the table was filled.
#pragma once

#include <string>

namespace quill {

class Job;

enum class TextEffect { Slope, PeakValley, DropCaps };

struct TextEffectHeights {
  TextEffect effect = TextEffect::Slope;
  // Slope: start and end height.  Peak/Valley: the height at both ends and in the centre.
  // Drop caps: the text height and the capital letter height.
  double first = 1.0, second = 1.0;
  bool allWords = false;  // drop caps: every word's first letter, not only the line's
};

// "Text Height" takes the page's first height (the capital height for drop caps) with 5 decimals, then
// every line's characters get their heights.  The walk stops at the first line of fewer than two
// characters and never passes the end of the table.
void ApplyTextEffect(Job& job, const TextEffectHeights& heights);

// "&Calc": the text height that goes with a capital letter height, with 5 decimals.
std::string DropCapTextHeight(double capitalHeight);

}  // namespace quill
