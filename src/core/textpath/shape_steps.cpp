#include "textpath/shape_steps.h"

#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"

namespace quill {

namespace {

bool IsPoint(int16_t kind) { return kind == TpMove || kind == TpLine; }
bool IsArc(int16_t kind) { return kind == TpArcCw || kind == TpArcCcw; }
constexpr int MaxArcSegments = 720;

}  // namespace

void TiltLine(LineWork& line, double tilt) {
  double t = std::tan(tilt);
  line.Transform([t](const TextPathRecord& rec, TextPathWriter& out) {
    TextPathRecord r = rec;
    if (IsPoint(r.kind)) r.X += r.Y * t;
    out.Write(r);
  });
}

void RotateForVertical(LineWork& line) {
  double h = -1.0;
  line.ForEach([&h](const TextPathRecord& r) {
    if (r.kind == TpBoxHigh && r.Y > h) h = r.Y;
  });
  double w = 0;
  auto turn = [&](double& x, double& y) {
    double ox = x;
    x = y;
    y = -ox + w + (h - w) * 0.5;
  };
  line.Transform([&](const TextPathRecord& rec, TextPathWriter& out) {
    TextPathRecord r = rec;
    if (r.kind == TpBoxLow || r.kind == TpBoxHigh) {
      if (r.kind == TpBoxHigh) w = r.X;
      std::swap(r.X, r.Y);
    } else if (IsPoint(r.kind)) {
      turn(r.X, r.Y);
    } else if (IsArc(r.kind)) {
      turn(r.X, r.Y);
      turn(r.CX, r.CY);
    }
    out.Write(r);
  });
}

void MirrorLine(LineWork& line, double m) {
  line.Transform([m](const TextPathRecord& rec, TextPathWriter& out) {
    TextPathRecord r = rec;
    if (IsPoint(r.kind) || IsArc(r.kind)) r.X = 2 * m - r.X;
    if (IsArc(r.kind)) {
      r.CX = 2 * m - r.CX;
      r.kind = r.kind == TpArcCw ? TpArcCcw : TpArcCw;
    }
    out.Write(r);
  });
}

void ArcAsLines(double px, double py, const TextPathRecord& arc, double tolerance, TextPathWriter& out) {
  double r = std::hypot(arc.X - arc.CX, arc.Y - arc.CY);
  double a1 = std::atan2(py - arc.CY, px - arc.CX);
  double a2 = std::atan2(arc.Y - arc.CY, arc.X - arc.CX);
  double sweep = arc.kind == TpArcCcw ? a2 - a1 : a1 - a2;
  while (sweep <= 1e-12) sweep += TwoPi;  // equal ends: a full circle
  while (sweep > TwoPi) sweep -= TwoPi;
  double step = r > tolerance ? 2 * std::acos(1 - tolerance / r) : TwoPi;
  int n = std::clamp(static_cast<int>(std::ceil(sweep / step)), 1, MaxArcSegments);
  double dir = arc.kind == TpArcCcw ? 1 : -1;
  for (int i = 1; i < n; ++i) {
    double a = a1 + dir * sweep * i / n;
    out.Write(TpLine, 0, arc.CX + r * std::cos(a), arc.CY + r * std::sin(a));
  }
  out.Write(TpLine, 0, arc.X, arc.Y);
}

void ArcsToLines(LineWork& line, double tolerance, bool perCharacter) {
  double px = 0, py = 0;
  line.Transform([&](const TextPathRecord& rec, TextPathWriter& out) {
    if (rec.kind == TpCharStart && perCharacter) px = py = 0;
    if (IsArc(rec.kind)) {
      ArcAsLines(px, py, rec, tolerance, out);
    } else {
      out.Write(rec);
    }
    if (IsPoint(rec.kind) || IsArc(rec.kind)) {
      px = rec.X;
      py = rec.Y;
    }
  });
}

}  // namespace quill
