// Scaling a line from font units to the job's units and spacing its characters along X.
#pragma once

#include <array>

#include "job/settings.h"
#include "textpath/line_work.h"

namespace quill {

struct SpacingRule {
  bool on = true;               // off for the second pass of full justification
  bool constant = true;         // BCSPACE
  double charSpace = 0.125;     // CHRSPACE
  double wordSpace = 0.125;     // WSPACE
  double widthFactor = 100;     // TWFACT, for the per-character heights
  double fallbackHeight = 1;    // TEXTHIGH, past the end of the per-character table
  long textIndex = 0;           // the line's first character within the whole text
  const std::array<CharEntry, CharTableSize>* table = nullptr;
};

struct ScaledLine {
  double length = -1000;  // the largest X of any point after scaling
  int charCount = 0;
};

// Scales X by sx and Y by sy (arcs uniformly by sy) and, with spacing on, advances each character after
// the first by the previous character's width plus the gap the rule gives.
ScaledLine ScaleAndSpace(LineWork& line, double sx, double sy, const SpacingRule& rule);

// Characters followed by a word gap rather than a letter gap.
bool TakesWordSpace(int code);

}  // namespace quill
