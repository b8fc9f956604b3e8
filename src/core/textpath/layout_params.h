// The engraving settings the text layout reads when Generate is pressed, parsed once.
#pragma once

#include <array>

#include "job/settings.h"

namespace quill {

class Ui;

struct LayoutParams {
  int mode = ModeLinear;     // TTYPE
  int justify = JustLeft;    // TJUST; anything but 1..4 counts as left
  double xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;
  double textAngle = 0;      // TANGLE in radians
  double endAngle = 0;       // YEND in radians (arcs)
  double tilt = 0;           // TILTANG in radians
  double textHigh = 1, widthFactor = 100;  // TEXTHIGH, TWFACT (percent)
  bool specWide = false;
  double textWide = 0.5;
  double charSpace = 0.125, wordSpace = 0.125, lineSpace = 1.375;
  bool constantSpacing = true;
  bool vertical = false, mirror = false;
  int curvePoints = 0;       // ACNPTS, within 0..125
  bool perpendicular = false;
  bool polyline = false;     // BCTNOFIT
  bool fitArcs = true;       // OUTARCS
  double fitTolerance = 0.001;
  bool trueType = false;     // BFONTTYPE
};

// Reads the settings; a numeric text that is not a number warns and counts as 0.
LayoutParams ReadLayoutParams(Ui& ui, const EngravingSettings& s);

}  // namespace quill
