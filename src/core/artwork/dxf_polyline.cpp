// Polylines of a drawing: POLYLINE with its vertices (plain, bulged or spline-fit) and LWPOLYLINE.
#include <cmath>
#include <vector>

#include "artwork/dxf_convert.h"
#include "artwork/dxf_reader.h"
#include "mathlib/constants.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

struct Vertex {
  DxfPoint p;
  double bulge = 0;
};

// The arc from P to Q whose bulge (the tangent of a quarter of its angle) is b, written counter-clockwise.
void BulgeArc(DxfReader& r, const DxfEntity& e, const DxfPoint& p, const DxfPoint& q, double b) {
  double h = Distance2D(p.x, p.y, q.x, q.y) / 2;
  if (IsZero(h)) return;
  double theta = std::fabs(4 * std::atan(b));
  double radius = h / std::sin(theta / 2);
  double turn = VectorAngle(q.x - p.x, q.y - p.y) + Sign(b) * (Pi - theta) / 2;
  double cx = p.x + radius * std::cos(turn), cy = p.y + radius * std::sin(turn);
  double sa = VectorAngle(p.x - cx, p.y - cy), fa = VectorAngle(q.x - cx, q.y - cy);
  if (b < 0) SwapReals(sa, fa);
  r.Arc(e, cx, cy, radius, sa, fa);
}

// The segments of a plain polyline, written as its vertices arrive.
class Outline {
 public:
  Outline(DxfReader& r, const DxfEntity& attrs) : r_(r), attrs_(attrs) {}

  void Add(const Vertex& v) {
    if (count_ > 0 && IsZero(v.p.x - last_.p.x) && IsZero(v.p.y - last_.p.y)) return;
    if (count_ == 0) first_ = v;
    if (count_ > 0) Segment(last_, v.p);
    last_ = v;
    ++count_;
  }
  void Close() {
    if (count_ > 1) Segment(last_, first_.p);
  }

 private:
  void Segment(const Vertex& from, const DxfPoint& to) {
    if (IsZero(from.bulge)) {
      r_.Line(attrs_, from.p, to);
    } else {
      BulgeArc(r_, attrs_, from.p, to, from.bulge);
    }
  }

  DxfReader& r_;
  const DxfEntity& attrs_;
  Vertex first_, last_;
  long count_ = 0;
};

// A vertex in the entity's own plane taken to the drawing: seen from below, X runs the other way and
// bulges turn the other way; so do they in a block inserted mirrored.
Vertex ToWorld(DxfReader& r, DxfPoint p, double bulge, bool seenFromBelow) {
  if (seenFromBelow) {
    p.x = -p.x;
    bulge = -bulge;
  }
  r.in.ToWorld(p);
  if (r.in.Mirrors()) bulge = -bulge;
  return {p, bulge};
}

struct PolylineKind {
  bool closed, splineFit, bezier, seenFromBelow;
};

// Reads the VERTEX entities up to SEQEND; a spline-fit polyline keeps only its frame control points.
bool ReadVertices(DxfReader& r, std::string& name, const PolylineKind& kind, const DxfEntity& header) {
  Outline outline(r, header);
  std::vector<CurvePoint> frame;
  bool more = true;
  while (more && name == "VERTEX") {
    more = ReadEntity(r.in, r.layers, r.entity, name);
    const DxfEntity& v = r.entity;
    bool control = (v.flags & 16) != 0;
    bool faceRecord = (v.flags & 128) && !(v.flags & 64);  // a polyface mesh's face: no position of its own
    if (!r.Matches(v) || control != kind.splineFit || faceRecord) continue;
    Vertex w = ToWorld(r, v.p[0], v.s42, kind.seenFromBelow);
    if (!kind.splineFit) {
      outline.Add(w);
    } else if (frame.empty() || !IsZero(w.p.x - frame.back().X) || !IsZero(w.p.y - frame.back().Y)) {
      frame.push_back({w.p.x, w.p.y});
    }
  }
  if (kind.closed) {
    outline.Close();
    if (!frame.empty()) frame.push_back(frame.front());
  }
  if (!frame.empty()) r.Curve(header, frame, kind.bezier);
  return more;
}

}  // namespace

bool ConvertPolyline(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  const DxfEntity header = r.entity;
  PolylineKind kind{(header.flags & 1) != 0, (header.flags & 4) != 0, header.curveType == 8, header.Mirrored()};
  if (more) more = ReadVertices(r, name, kind, header);
  r.Count(DxfCounter::PolyLines);
  if (more && name == "SEQEND") more = ReadEntity(r.in, r.layers, r.entity, name);
  return more;
}

bool ConvertLwPolyline(DxfReader& r, std::string& name) {
  DxfEntity& e = r.entity;
  e.Reset();
  // The extrusion comes after the vertices, so they are gathered first.
  std::vector<Vertex> vertices;
  DxfGroup g;
  bool more = false;
  while ((more = r.in.NextGroup(g)) && g.code != 0) {
    if (g.code == 10) {
      vertices.push_back({{GroupReal(g.value), 0, 0}, 0});
    } else if (g.code == 20 && !vertices.empty()) {
      vertices.back().p.y = GroupReal(g.value);
    } else if (g.code == 42 && !vertices.empty()) {
      vertices.back().bulge = GroupReal(g.value);
    } else {
      e.Apply(g, r.layers);
    }
  }
  if (more) name = std::move(g.value);
  if (!r.Matches(e)) return more;
  Outline outline(r, e);
  for (const Vertex& v : vertices) outline.Add(ToWorld(r, v.p, v.bulge, e.Mirrored()));
  if (e.flags & 1) outline.Close();
  r.Count(DxfCounter::PolyLines);
  return more;
}

}  // namespace quill
