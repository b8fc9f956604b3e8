// Arcs on G-code machines: I/J (K on a lathe) or R words by the machine's arc centre type, or the arc cut
// as short lines within the chordal tolerance.
#include <algorithm>
#include <cmath>

#include "mathlib/geom2d.h"
#include "nc/gcode_writer.h"
#include "nc/nc_output.h"

namespace quill {

namespace {

double AngleAbout(PlanePoint p, PlanePoint centre) {
  return VectorAngle(p.h - centre.h, p.v - centre.v);
}

// Start and end angles, the start moved up (clockwise) or the end (counter-clockwise) by a turn so that
// the arc runs from a0 down, or up, to a1.
void OrderedAngles(int code, PlanePoint start, PlanePoint end, PlanePoint centre, double& a0, double& a1) {
  a0 = AngleAbout(start, centre);
  a1 = AngleAbout(end, centre);
  if (code == 2 && a0 < a1) a0 += TwoPi;
  if (code == 3 && a0 > a1) a1 += TwoPi;
}

// An arc whose start or end lies on its centre has no circle to follow.
bool Degenerate(const PlanePoint& start, const PlanePoint& end, const PlanePoint& centre) {
  return Distance2D(centre.h, centre.v, end.h, end.v) == 0 || Distance2D(centre.h, centre.v, start.h, start.v) == 0;
}

}  // namespace

double ArcSweep(int code, PlanePoint start, PlanePoint end, PlanePoint centre) {
  double a0, a1;
  OrderedAngles(code, start, end, centre, a0, a1);
  double s = code == 2 ? a0 - a1 : a1 - a0;
  return IsZero(s) ? TwoPi : s;
}

double LinearisationStep(double tolerance, double r) {
  constexpr double k = 0.001;
  double u = 2.0 * ArcCos(1.0 - (tolerance / r - k / 2.0));
  if (!std::isfinite(u)) u = DegToRad;
  if (u > 10.0 * DegToRad || u <= 0.00005) u = 5.0 * DegToRad;
  return u;
}

GcodeWriter::Arc GcodeWriter::ArcOf(const PostMove& mv) const {
  // A lathe's plane: lathe Z across, lathe X up; its re-labelled centre is (lathe X, lathe Z).
  if (XzArcs()) return {{s_.PZ, s_.PX}, {mv.Z, mv.X}, {mv.CY, mv.CX}};
  return {{s_.PX, s_.PY}, {mv.X, mv.Y}, {mv.CX, mv.CY}};
}

bool GcodeWriter::AppendArcWords(PostMove& mv, std::string& text) {
  const Arc arc = ArcOf(mv);
  const double r = Distance2D(arc.centre.h, arc.centre.v, arc.end.h, arc.end.v);
  // Centre types the setup window never writes are cut as lines rather than guessed.
  int type = s_.m.ARCTYPE >= ArcToolToCenter && s_.m.ARCTYPE <= ArcLinear ? s_.m.ARCTYPE : ArcLinear;
  if ((!XzArcs() && r < s_.params.minArcRadius) || Degenerate(arc.start, arc.end, arc.centre)) type = ArcLinear;
  const double sweep = ArcSweep(mv.code, arc.start, arc.end, arc.centre);
  if (type == ArcRadius && (std::fabs(sweep) >= TwoPi || IsZero(sweep))) type = ArcToolToCenter;
  if (type == ArcLinear) {
    LineariseArc(mv, sweep, arc);
    return false;
  }
  // Offsets across (h) and up (v) the arc's plane.
  double dh = arc.centre.h - arc.start.h, dv = arc.centre.v - arc.start.v;
  if (type == ArcCenterToTool) dh = -dh, dv = -dv;
  if (type == ArcUnsigned) dh = std::fabs(dh), dv = std::fabs(dv);
  if (type == ArcAbsoluteCenter) dh = arc.centre.h, dv = arc.centre.v;
  if (type == ArcRadius) {
    s_.Word(text, "R", sweep - Pi > 0.001 ? -r : r);
  } else if (XzArcs()) {
    s_.Word(text, "I", dv * Sign(s_.scale.x));
    s_.Word(text, "K", dh * Sign(s_.scale.y));
  } else {
    s_.Word(text, "I", dh);
    s_.Word(text, Lathe() ? "K" : "J", dv);
  }
  if (Bendix()) text += mv.code == 2 ? "D0" : "D1";
  return true;
}

void GcodeWriter::LineariseArc(PostMove& mv, double sweep, const Arc& arc) {
  lastPoint_ = arc.start;
  if (Degenerate(arc.start, arc.end, arc.centre)) {
    WriteArcPoint(mv, true, arc.end);
    return;
  }
  const double r = Distance2D(arc.centre.h, arc.centre.v, arc.end.h, arc.end.v);
  const double u = LinearisationStep(s_.params.chordTolerance, r);
  const long n = std::max(1L, std::lround(sweep / u));
  const double step = (mv.code == 2 ? -sweep : sweep) / static_cast<double>(n);
  double a0, a1;
  OrderedAngles(mv.code, arc.start, arc.end, arc.centre, a0, a1);
  // The points run from the start by equal steps; the last is the end point itself, so rounding of the
  // angles can never drop it.
  for (long i = 0; i < n; ++i) {
    double e = a0 + static_cast<double>(i) * step;
    WriteArcPoint(mv, i == 0, {arc.centre.h + r * std::cos(e), arc.centre.v + r * std::sin(e)});
  }
  WriteArcPoint(mv, false, arc.end);
}

void GcodeWriter::WriteArcPoint(PostMove& mv, bool first, PlanePoint p) {
  const MachineDefinition& m = s_.m;
  // Each point carries the linear code on its first block, so the points never run at the previous
  // motion's mode (a rapid or an arc); a Bendix rotary names it on every block.
  const bool coded = first || (Bendix() && m.Rotary());
  const std::string_view code = !coded ? std::string_view() : Bendix() ? "(1)" : std::string_view(m.LINCODE);
  if (m.Rotary()) {
    s_.out.Block(std::string(code) + RotaryPointWords(mv, p.h, p.v));
    return;
  }
  // An incremental machine gets the steps between points, never their positions.
  PlanePoint w = p;
  if (!m.Absolute()) w = {p.h - lastPoint_.h, p.v - lastPoint_.v};
  lastPoint_ = p;
  // An arc cut as lines is mostly these blocks: their words go straight into the program.
  char* out = s_.out.OpenBlock(code.size() + 2 * PostState::WordRoom);
  out = std::copy(code.begin(), code.end(), out);
  out = Lathe() ? s_.PutWord(s_.PutWord(out, 'X', w.v * s_.scale.x), 'Z', w.h * s_.scale.y)
                : s_.PutWord(s_.PutWord(out, 'X', w.h * s_.scale.x), 'Y', w.v * s_.scale.y);
  s_.out.CloseBlock(out);
}

}  // namespace quill
