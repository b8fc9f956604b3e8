#include "textpath/layout_params.h"

#include <algorithm>

#include "mathlib/constants.h"
#include "mathlib/number_text.h"

namespace quill {

LayoutParams ReadLayoutParams(Ui& ui, const EngravingSettings& s) {
  auto num = [&ui](const std::string& text) { return TextToDouble(ui, text); };
  LayoutParams p;
  p.mode = s.TTYPE >= ModeLinear && s.TTYPE <= ModeCurve ? s.TTYPE : ModeLinear;
  p.justify = s.TJUST >= JustLeft && s.TJUST <= JustFull ? s.TJUST : JustLeft;
  p.xStart = num(s.XSTART);
  p.yStart = num(s.YSTART);
  p.xEnd = num(s.XEND);
  p.yEnd = num(s.YEND);
  p.textAngle = num(s.TANGLE) * DegToRad;
  p.endAngle = p.yEnd * DegToRad;
  p.tilt = num(s.TILTANG) * DegToRad;
  p.textHigh = num(s.TEXTHIGH);
  p.widthFactor = num(s.TWFACT);
  p.specWide = s.SPECWIDE;
  p.textWide = num(s.TEXTWIDE);
  p.charSpace = num(s.CHRSPACE);
  p.wordSpace = num(s.WSPACE);
  p.lineSpace = num(s.LSPACE);
  p.constantSpacing = s.BCSPACE != 0;
  p.vertical = s.VERTICAL;
  p.mirror = s.MIRROR;
  p.curvePoints = std::clamp(static_cast<int>(num(s.ACNPTS)), 0, CurvePointCount);
  p.perpendicular = s.ACPERP;
  p.polyline = s.BCTNOFIT != 0;
  p.fitArcs = s.OUTARCS != 0;
  p.fitTolerance = num(s.FCTOL);
  p.trueType = s.BFONTTYPE != 0;
  return p;
}

}  // namespace quill
