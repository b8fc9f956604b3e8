// The centre of an arc as a control finds it from the words of its block.
#include <algorithm>
#include <cmath>

#include "mathlib/number_text.h"
#include "nc/check/program_read.h"

namespace quill {

namespace {

struct P2 {
  double h, v;
};

double Dist(P2 a, P2 b) {
  return std::hypot(a.h - b.h, a.v - b.v);
}

// Unsigned offsets name a quadrant the control picks itself: the one whose centre is as far from the
// end as from the start.
P2 UnsignedCentre(P2 s, P2 e, double oh, double ov) {
  P2 best{s.h + oh, s.v + ov};
  double bestMiss = -1;
  for (double sh : {1.0, -1.0}) {
    for (double sv : {1.0, -1.0}) {
      P2 c{s.h + sh * oh, s.v + sv * ov};
      double miss = std::fabs(Dist(c, s) - Dist(c, e));
      if (bestMiss < 0 || miss < bestMiss) best = c, bestMiss = miss;
    }
  }
  return best;
}

}  // namespace

bool ArcReader::Centre(NcMove& move, const AxisPoint& start, const ArcWords& w, std::string& problem) const {
  int h = 0, v = 0;
  if (!axes_.Plane(h, v) || !start.known[h] || !start.known[v] || !move.end.known[h] || !move.end.known[v]) {
    return true;  // no shape to compare: a rotary arc, or one from a position no word has set
  }
  const P2 s{start.v[h], start.v[v]}, e{move.end.v[h], move.end.v[v]};
  const double tol = 3 * std::sqrt(2.0) * std::max(move.tolerance[h], move.tolerance[v]);
  P2 c{};
  if (w.form == ArcWords::Form::Radius) {
    const double chord = Dist(s, e), r = std::fabs(w.radius);
    if (chord < 1e-12) {
      problem = "an arc by radius whose ends coincide names no circle";
      return false;
    }
    if (chord > 2 * r + tol) {
      problem =
          "the arc's ends are " + FormatFixed(chord, 4) + " apart, more than its diameter " + FormatFixed(2 * r, 4);
      return false;
    }
    const double rise = std::sqrt(std::max(0.0, r * r - chord * chord / 4));
    const double side = (move.kind == MoveArcCcw) != (w.radius < 0) ? 1.0 : -1.0;
    c = {(s.h + e.h) / 2 - side * rise * (e.v - s.v) / chord, (s.v + e.v) / 2 + side * rise * (e.h - s.h) / chord};
  } else if (w.arcType == 2) {
    c = {s.h - w.offH, s.v - w.offV};
  } else if (w.arcType == 3) {
    if (Dist(s, e) < 1e-12) {
      problem = "an arc by unsigned offsets whose ends coincide names no single circle";
      return false;
    }
    c = UnsignedCentre(s, e, w.offH, w.offV);
  } else if (w.arcType == 4) {
    c = {w.offH, w.offV};
  } else {
    c = {s.h + w.offH, s.v + w.offV};
  }
  move.hasCentre = true;
  move.centreH = c.h, move.centreV = c.v;
  const double rs = Dist(c, s), re = Dist(c, e);
  if (std::fabs(rs - re) <= tol) return true;
  problem = "the arc starts " + FormatFixed(rs, 4) + " from its centre and ends " + FormatFixed(re, 4) + " from it";
  return false;
}

}  // namespace quill
