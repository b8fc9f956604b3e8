#include "nc/check/axis_map.h"

#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

constexpr int CoordinateDecimalsLimit = 16;
constexpr int DxfDecimals = 8;
constexpr int ListingDecimals = 4;
// Angles: half the last digit, and the polar angle change (5e-5 radians) below which no word is written.
constexpr double AngleSlack = ZeroTolerance * RadToDeg * 2;

char Register(const std::string& letters) {
  return letters.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(letters[0])));
}

}  // namespace

double WordTolerance(int decimals) {
  const int r = std::clamp(decimals, 0, CoordinateDecimalsLimit);
  return 0.5 * std::pow(10.0, -r) + ZeroTolerance + 1e-9;
}

AxisMap::AxisMap(const MachineDefinition& m) : m_(m), scale_(ComputeAxisScales(m)) {
  if (m.Rotary() && (m.MTYPE == MachMill || m.MTYPE == MachLathe || m.MTYPE == MachBendix)) {
    SetRotary();
  } else if (m.MTYPE == MachLathe) {
    SetLathe();
  } else {
    SetMill();
  }
}

void AxisMap::SetMill() {
  const WordFormat f{m_.FORMAT, m_.DIGL, m_.DIGR};
  // The listing writes four decimals and the drawing eight, whatever the machine's digits.
  const bool gcode = m_.MTYPE == MachMill || m_.MTYPE == MachBendix || m_.MTYPE == MachEzTrack;
  const double tol = WordTolerance(gcode ? m_.DIGR : m_.MTYPE == MachDxf ? DxfDecimals : ListingDecimals);
  axes_[0] = {'X', f, 1, false, true, tol};
  axes_[1] = {'Y', f, 1, false, true, tol};
  if (m_.B3AXIS || (m_.MTYPE != MachMill && m_.MTYPE != MachBendix)) axes_[2] = {'Z', f, 1, false, true, tol};
  planeH_ = 0, planeV_ = 1;
  depth_ = axes_[2].letter ? 2 : -1;
}

// A lathe's X words are diameters (or radii) of the tool path Y, its Z words the tool path X; the
// tool path depth is not written.  The plane of its arcs has Z across and X up.
void AxisMap::SetLathe() {
  const WordFormat f{m_.FORMAT, m_.DIGL, m_.DIGR};
  const double divisor = std::max(1.0, std::fabs(LatheXFactor(m_.LXFORMAT)));
  axes_[0] = {'X', f, divisor, false, true, WordTolerance(m_.DIGR) / divisor};
  if (m_.B3AXIS) axes_[1] = {'Z', f, 1, false, true, WordTolerance(m_.DIGR)};
  planeH_ = 1, planeV_ = 0;
}

void AxisMap::SetRotary() {
  const WordFormat f{m_.FORMAT, m_.DIGL, m_.DIGR};
  const WordFormat fa{m_.FORMAT, m_.DIGL, m_.ROTDIGR};
  const bool polarFace = m_.CUTTYPE == CutRotaryFace && !m_.ROTRECT;
  const bool wrapped = m_.CUTTYPE == CutRotaryDiameter && !m_.ROTRECT;
  const double angleTol = 0.5 * std::pow(10.0, -std::clamp(m_.ROTDIGR, 0, 16)) + AngleSlack;
  // On the face the linear word is the distance from the centre, whatever the coordinate mode.
  axes_[0] = {Register(m_.ROTLINREG), f, 1, false, !polarFace, WordTolerance(m_.DIGR)};
  axes_[1] = {Register(m_.ROTROTREG), fa,   1,
              polarFace || wrapped,   true, polarFace || wrapped ? angleTol : WordTolerance(m_.ROTDIGR)};
  if (m_.B3AXIS) axes_[2] = {Register(m_.ROTDEEPREG), f, 1, false, true, WordTolerance(m_.DIGR)};
  depth_ = axes_[2].letter ? 2 : -1;
}

int AxisMap::Find(char letter) const {
  for (int i = 0; i < AxisCount; ++i) {
    if (axes_[i].letter && axes_[i].letter == letter) return i;
  }
  return -1;
}

AxisPoint AxisMap::Project(double x, double y, double z, int code, double rotaryRadius) const {
  AxisPoint p;
  auto set = [&](int slot, double value) {
    if (axes_[slot].letter) p.v[slot] = value, p.known[slot] = true;
  };
  if (!m_.Rotary() || planeH_ >= 0) {
    if (m_.MTYPE == MachLathe && planeH_ >= 0) {
      set(0, y * scale_.x / axes_[0].divisor);
      set(1, x);
    } else {
      set(0, x * scale_.x);
      set(1, y * scale_.y);
      set(2, z);
    }
    return p;
  }
  const double theta = VectorAngle(x, y);
  if (m_.CUTTYPE == CutRotaryFace && (!m_.ROTRECT || code == 0)) {
    set(0, std::hypot(x, y));
    if (theta != UndefinedAngle) set(1, theta * RadToDeg);
  } else if (m_.ROTRECT) {
    set(0, x * scale_.x);
    set(1, y * scale_.y);
  } else {
    double phi = std::fabs(rotaryRadius) < ZeroTolerance ? 0.0 : y / rotaryRadius;
    ReduceAngle(phi);
    set(0, x * scale_.x);
    set(1, phi * scale_.y * RadToDeg);
  }
  const bool lathe = m_.MTYPE == MachLathe && m_.CUTTYPE == CutRotaryDiameter && !m_.ROTRECT;
  set(2, lathe ? (rotaryRadius + z) * scale_.x : z);
  return p;
}

bool AxisMap::Plane(int& h, int& v) const {
  h = planeH_, v = planeV_;
  return planeH_ >= 0;
}

double AxisMap::DepthOf(double value, double rotaryRadius) const {
  const bool lathe = m_.MTYPE == MachLathe && m_.CUTTYPE == CutRotaryDiameter && !m_.ROTRECT;
  return lathe ? value / scale_.x - rotaryRadius : value;
}

std::string AxisMap::Describe(const AxisPoint& p) const {
  std::string text;
  for (int i = 0; i < AxisCount; ++i) {
    if (!axes_[i].letter) continue;
    text += (text.empty() ? "" : " ") + std::string(1, axes_[i].letter);
    text += p.known[i] ? FormatFixed(p.v[i] * axes_[i].divisor, std::clamp(axes_[i].format.right, 0, 8)) : "?";
  }
  return text;
}

}  // namespace quill
