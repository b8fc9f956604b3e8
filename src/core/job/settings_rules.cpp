#include "job/settings_rules.h"

namespace quill {
namespace {

constexpr const char* kStartX = "Start -X-";
constexpr const char* kStartY = "Start -Y-";
constexpr const char* kCenterX = "Center-X-";
constexpr const char* kCenterY = "Center-Y-";
constexpr const char* kEndX = "End -X-";
constexpr const char* kEndY = "End -Y-";
constexpr const char* kAngle = "Angle";
constexpr const char* kRadius = "Radius";
constexpr const char* kEndAngle = "End Angle";

constexpr CoordinateField Off(const char* defaultLabel) {
  return {defaultLabel, false};
}

std::array<CoordinateField, 5> LinearFields(int justify) {
  switch (justify) {
    case JustRight: return {{Off(kStartX), Off(kStartY), {kAngle, true}, {kEndX, true}, {kEndY, true}}};
    case JustCenter: return {{{kCenterX, true}, {kCenterY, true}, {kAngle, true}, Off(kEndX), Off(kEndY)}};
    case JustFull: return {{{kStartX, true}, {kStartY, true}, Off(kAngle), {kEndX, true}, {kEndY, true}}};
    default: return {{{kStartX, true}, {kStartY, true}, {kAngle, true}, Off(kEndX), Off(kEndY)}};
  }
}

std::array<CoordinateField, 5> ArcFields(int justify) {
  std::array<CoordinateField, 5> f{
      {{kCenterX, true}, {kCenterY, true}, {"St Angle", true}, {kRadius, true}, Off(kEndY)}};
  switch (justify) {
    case JustRight:
      f[2] = Off(kAngle);
      f[4] = {kEndAngle, true};
      break;
    case JustCenter: f[2] = {"Cen Angle", true}; break;
    case JustFull: f[4] = {kEndAngle, true}; break;
    default: break;
  }
  return f;
}

}  // namespace

std::array<CoordinateField, 5> TextCoordinateFields(int mode, int justify) {
  switch (mode) {
    case ModeLinear: return LinearFields(justify);
    case ModeCwArc:
    case ModeCcwArc: return ArcFields(justify);
    case ModeCurve: return {{Off(kStartX), Off(kStartY), Off(kAngle), Off(kEndX), Off(kEndY)}};
    default: return {{{kStartX, true}, {kStartY, true}, {kAngle, true}, {kEndX, true}, {kEndY, true}}};
  }
}

std::array<bool, 4> JustifyButtonsEnabled(int mode) {
  bool curve = mode == ModeCurve;
  return {true, !curve, !curve, true};
}

void SelectTextMode(EngravingSettings& s, int mode) {
  s.TTYPE = mode;
  if (mode == ModeCurve && s.TJUST != JustFull) s.TJUST = JustLeft;
}

CurveGroupState CurveGroup(int mode) {
  if (mode == ModeCurve) return {true, "Text Along a Curve"};
  return {false, "Text Along a Curve [NOT SELECTED]"};
}

FontControls FontKindControls(const EngravingSettings& s) {
  bool trueType = s.BFONTTYPE != 0;
  SampleStyle style = s.FONTBOLD ? (s.FONTITALICS ? SampleStyle::BoldItalic : SampleStyle::Bold)
                                 : (s.FONTITALICS ? SampleStyle::Italic : SampleStyle::Regular);
  return {trueType ? "QUILLMARK" : "No Preview", style, trueType, !trueType, trueType && s.SPECWIDE};
}

SpacingControls SpacingKindControls(const EngravingSettings& s) {
  bool constant = s.BCSPACE != 0;
  return {constant, constant, true, !constant, !constant};
}

}  // namespace quill
