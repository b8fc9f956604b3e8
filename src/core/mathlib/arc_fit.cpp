#include "mathlib/arc_fit.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "mathlib/geom2d.h"

namespace quill {

namespace {

struct Centre {
  double X = 0, Y = 0;
};

// A failing scan places its centre again from the failing point; this many times at most per arc.
constexpr int MaxRetries = 16;

double Dist(const CurvePoint& p, const Centre& c) {
  return std::hypot(p.X - c.X, p.Y - c.Y);
}

bool SamePoint(const CurvePoint& a, const CurvePoint& b) {
  return IsZero(a.X - b.X) && IsZero(a.Y - b.Y);
}

// Direction of a chord regardless of its sense: in [0, pi/2] or (3pi/2, 2pi), 0 for a null chord.
double ChordSlope(const CurvePoint& a, const CurvePoint& b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  if (IsZero(dx) && IsZero(dy)) return 0.0;
  double s = 0.0;
  if (dx == 0) {
    s = dy > 0 ? HalfPi : -HalfPi;
  } else if (dy != 0) {
    s = std::atan(dy / dx);
  }
  return s < 0 ? s + TwoPi : s;
}

bool Usable(const std::optional<Centre>& c) {
  return c && std::isfinite(c->X) && std::isfinite(c->Y) && std::fabs(c->X) < ArcFitFarLimit &&
         std::fabs(c->Y) < ArcFitFarLimit;
}

// Where the perpendicular bisectors of AB and BC meet; nothing when the points are in line.
std::optional<Centre> Circumcentre(const CurvePoint& a, const CurvePoint& b, const CurvePoint& c) {
  const double bx = b.X - a.X, by = b.Y - a.Y, cx = c.X - a.X, cy = c.Y - a.Y;
  const double d = 2 * (bx * cy - by * cx);
  if (d == 0) return std::nullopt;
  const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  return Centre{a.X + (cy * b2 - by * c2) / d, a.Y + (bx * c2 - cx * b2) / d};
}

// Distance of p from the line through a and b (from a when they coincide).
double LineGap(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y, len = std::hypot(dx, dy);
  if (len == 0) return std::hypot(p.X - a.X, p.Y - a.Y);
  return std::fabs((p.X - a.X) * dy - (p.Y - a.Y) * dx) / len;
}

// One run of points, walked from anchor to anchor.
class RunFitter {
 public:
  RunFitter(std::span<const CurvePoint> p, double tolerance, std::vector<FitRecord>& out, CurvePoint& last)
      : p_(p), n_(static_cast<int>(p.size())), tol_(tolerance), out_(out), last_(last) {
    ComputeNormals();
  }

  void Run() {
    for (int m = 0; m < n_ - 1;) m = Step(m);
  }

 private:
  enum class ScanEnd { End, Inflection, OutOfTolerance };
  struct ScanResult {
    ScanEnd end;
    int j;
  };

  // Normal direction at each point: across the mean of the incoming and outgoing chords.  The first
  // point takes its outgoing chord twice, as the last takes its incoming one.  Chord directions repeat
  // every half turn, so the two are brought within a quarter turn of each other before averaging;
  // otherwise a curve running upright would get a normal along itself and a false change of turn.
  void ComputeNormals() {
    theta_.resize(n_);
    for (int k = 0; k < n_; ++k) {
      double out = k + 1 < n_ ? ChordSlope(p_[k], p_[k + 1]) : 0.0;
      double in = k > 0 ? ChordSlope(p_[k - 1], p_[k]) : out;
      if (k + 1 == n_) out = in;
      while (in - out > HalfPi) out += Pi;
      while (out - in > HalfPi) in += Pi;
      double t = (in + out) / 2 + HalfPi;
      while (t > TwoPi) t -= TwoPi;
      theta_[k] = t;
    }
  }

  // +1 where the curve turns left at point a, -1 right, 0 straight.
  int Turn(int a) const {
    double d = theta_[a] - theta_[a - 1];
    if (std::fabs(d) > Pi) d -= Sign(d) * TwoPi;
    if (std::fabs(d) > HalfPi) d -= Sign(d) * Pi;
    return Sign(d);
  }

  std::optional<Centre> NormalCentre(int a, int b) const {
    if (theta_[a] == theta_[b]) return std::nullopt;
    const double ax = std::cos(theta_[a]), ay = std::sin(theta_[a]);
    const double bx = std::cos(theta_[b]), by = std::sin(theta_[b]);
    const double det = ax * by - ay * bx;
    if (det == 0) return std::nullopt;
    const double t = ((p_[b].X - p_[a].X) * by - (p_[b].Y - p_[a].Y) * bx) / det;
    return Centre{p_[a].X + t * ax, p_[a].Y + t * ay};
  }

  int Step(int m) {
    const int a = m + 1;
    const int s = Turn(a);
    std::optional<Centre> c = NormalCentre(a, a - 1);
    if (s == 0 || !Usable(c)) return Line(m);
    double r = Dist(p_[a], *c);
    std::vector<char> retried(n_, 0);
    for (int retries = 0;; ++retries) {
      ScanResult res = Scan(m, s, *c, r);
      if (res.end == ScanEnd::End) return EndCase(m);
      if (res.end == ScanEnd::Inflection) return EmitArc(m, res.j - 1);
      const int j = res.j;
      if (retried[j] || retries >= MaxRetries) return EmitArc(m, j - 1);
      retried[j] = 1;
      c = NormalCentre(j, j - (j - m) / 2);
      if (!Usable(c)) return EmitArc(m, j - 1);
      r = Dist(p_[j], *c);
    }
  }

  ScanResult Scan(int m, int s, const Centre& c, double r) const {
    for (int j = m + 1; j < n_; ++j) {
      const int t = Turn(j);
      if (t != 0 && t != s) return {ScanEnd::Inflection, j};
      if (std::fabs(Dist(p_[j], c) - r) > tol_) return {ScanEnd::OutOfTolerance, j};
    }
    return {ScanEnd::End, n_ - 1};
  }

  // The scan reached the last point: one arc to it, reaching back one point when only one is left.
  int EndCase(int m) {
    const int last = n_ - 1;
    if (last - m >= 2) return Usable(NormalCentre(last, last - (last - m) / 2)) ? EmitArc(m, last) : Line(m);
    if (last < 2) return Line(m);
    const int anchor = last - 2;
    if (!Usable(NormalCentre(last, last - 1)) || !TryArc(anchor, last)) Emit(p_[last], 0, {});
    return last;
  }

  // The longest arc (or straight line) from anchor m ending at o or before it; a single line when none
  // holds.  Returns the new anchor.
  int EmitArc(int m, int o) {
    for (; o >= m + 2; --o) {
      if (TryArc(m, o)) return o;
    }
    return Line(m);
  }

  // The arc through points m, mid and o when it keeps every point between within the tolerance; the
  // straight line when those three are in line (or their circle is too large) and the points stay near it.
  bool TryArc(int m, int o) {
    const int mid = m + (o - m) / 2;
    // A closed loop would end where it starts: no record can say which way round it goes.
    if (SamePoint(p_[m], p_[o]) || SamePoint(p_[m], p_[mid]) || SamePoint(p_[mid], p_[o])) return false;
    std::optional<Centre> c = Circumcentre(p_[m], p_[mid], p_[o]);
    double angle = 0;
    const int turn = Usable(c) ? TurnAngle(p_[m].X, p_[m].Y, p_[mid].X, p_[mid].Y, p_[o].X, p_[o].Y, angle) : 0;
    if (turn == 0) {
      for (int j = m + 1; j < o; ++j) {
        if (LineGap(p_[j], p_[m], p_[o]) > tol_) return false;
      }
      Emit(p_[o], 0, {});
      return true;
    }
    const double r = Dist(p_[o], *c);
    for (int j = m + 1; j < o; ++j) {
      if (std::fabs(Dist(p_[j], *c) - r) > tol_) return false;
    }
    Emit(p_[o], turn, *c);
    return true;
  }

  int Line(int m) {
    Emit(p_[m + 1], 0, {});
    return m + 1;
  }

  // A record to p: a line for turn 0, a counter-clockwise arc for +1, clockwise for -1.  A point on top
  // of the last one emitted adds nothing.
  void Emit(const CurvePoint& p, int turn, const Centre& c) {
    if (SamePoint(p, last_)) return;
    FitRecord rec;
    rec.X = p.X;
    rec.Y = p.Y;
    if (turn != 0) {
      rec.kind = turn > 0 ? FitArcCcw : FitArcCw;
      rec.CX = c.X;
      rec.CY = c.Y;
      rec.R = Dist(p, c);
    }
    out_.push_back(rec);
    last_ = p;
  }

  std::span<const CurvePoint> p_;
  int n_;
  double tol_;
  std::vector<FitRecord>& out_;
  CurvePoint& last_;
  std::vector<double> theta_;
};

}  // namespace

std::vector<FitRecord> FitTangentArcs(std::span<const CurvePoint> points, double tolerance) {
  std::vector<FitRecord> out;
  if (points.empty()) return out;
  // A tolerance that is no number fits nothing but exact circles.
  if (!(tolerance >= 0)) tolerance = 0;
  out.push_back({FitLine, points[0].X, points[0].Y});
  CurvePoint last = points[0];
  const size_t n = points.size();
  for (size_t start = 0; start + 1 < n;) {
    const size_t end = std::min(start + MaxFitPoints - 1, n - 1);
    RunFitter(points.subspan(start, end - start + 1), tolerance, out, last).Run();
    start = end;
  }
  return out;
}

}  // namespace quill
