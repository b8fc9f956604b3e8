// Points, lines, faces and arcs of a drawing.
#include <cmath>
#include <utility>
#include <vector>

#include "artwork/dxf_convert.h"
#include "artwork/dxf_reader.h"
#include "mathlib/constants.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

bool Differ(const DxfPoint& a, const DxfPoint& b) {
  return !IsZero(a.x - b.x) || !IsZero(a.y - b.y) || !IsZero(a.z - b.z);
}

bool ConvertCorners(DxfReader& r, std::string& name, bool crossed) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  DxfEntity& e = r.entity;
  if (!r.Matches(e)) return more;
  // A face given with three corners is a triangle: its fourth corner is its third.
  if (!e.hasFourth) e.p[3] = e.p[2];
  if (crossed) std::swap(e.p[2], e.p[3]);
  for (DxfPoint& p : e.p) r.in.ToWorld(p);
  r.Line(e, e.p[0], e.p[1]);
  r.Line(e, e.p[1], e.p[2]);
  if (Differ(e.p[3], e.p[2])) {
    r.Line(e, e.p[2], e.p[3]);
    r.Line(e, e.p[3], e.p[0]);
  } else {
    r.Line(e, e.p[2], e.p[0]);
  }
  r.Count(DxfCounter::Faces);
  return more;
}

// An arc in a block stretched unevenly is no longer circular: it goes through the curve conversion as
// points along it.
void ConvertStretchedArc(DxfReader& r, const DxfEntity& e, const DxfPoint& centre, double radius, double sa,
                         double fa) {
  if (sa > fa) fa += TwoPi;
  int steps = (fa - sa) / 12 < 2 * DegToRad ? 4 : 12;
  double step = (fa - sa) / steps;
  std::vector<CurvePoint> points;
  for (int i = 0; i <= steps; ++i) {
    double a = sa + step * i;
    DxfPoint p{centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z};
    r.in.ToWorld(p);
    points.push_back({p.x, p.y});
  }
  r.Curve(e, points, false);
}

// Reading goes on in the block: its entities are converted like any others until it ends.  An insert
// scales and turns the block about its base point; a dimension draws its block where it stands.
bool EnterBlock(DxfReader& r, const std::string& block, InsertTransform t, bool aboutBase, bool more,
                std::string& name) {
  if (r.in.Depth() >= MaxInsertDepth) return more;
  if (r.blockWork >= r.maxBlockWork) {
    if (!r.insertLimitShown) r.status.Message("Too Many Inserted Entities, Drawing will be incomplete");
    r.insertLimitShown = true;
    return more;
  }
  r.status.Operation(std::string(r.in.Depth() > 0 ? "Inserting Nested Block [" : "Inserting Block [") + block +
                     "] ...");
  const DxfBlock* found = r.blocks.Find(block);
  std::optional<std::string> resume;
  if (more) resume = name;
  if (found && aboutBase) t.base = found->base;
  if (!found || !r.in.Push(*found, t, std::move(resume))) {
    r.status.Operation("");
    return more;
  }
  return r.in.NextName(name);
}

}  // namespace

bool ConvertPoint(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  DxfEntity& e = r.entity;
  if (!r.Matches(e)) return more;
  r.in.ToWorld(e.p[0]);
  r.Point(e, e.p[0]);
  r.Count(DxfCounter::Points);
  return more;
}

bool ConvertLine(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  DxfEntity& e = r.entity;
  if (!r.Matches(e) || !Differ(e.p[0], e.p[1])) return more;
  r.in.ToWorld(e.p[0]);
  r.in.ToWorld(e.p[1]);
  r.Line(e, e.p[0], e.p[1]);
  r.Count(DxfCounter::Lines);
  return more;
}

bool ConvertFace(DxfReader& r, std::string& name) {
  return ConvertCorners(r, name, false);
}

bool ConvertSolid(DxfReader& r, std::string& name) {
  return ConvertCorners(r, name, true);
}

bool ConvertArc(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  const DxfEntity& e = r.entity;
  if (!r.Matches(e) || !e.AlongZ() || !(e.r40 > 0)) return more;
  double sa = e.a50, fa = e.a51, radius = e.r40;
  if (IsZero(sa - fa)) fa = sa + TwoPi;
  DxfPoint centre = e.p[0];
  // Seen from below, the arc's own X runs the other way: mirror it before any insert moves it.
  if (e.Mirrored()) {
    centre.x = -centre.x;
    if (!SameDirection(sa, fa)) {
      double mirroredStart = 3 * Pi - fa;
      fa = 3 * Pi - sa;
      sa = mirroredStart;
    }
  }
  r.Count(DxfCounter::Arcs);
  if (!r.in.AllUniform()) {
    ConvertStretchedArc(r, e, centre, radius, sa, fa);
    return more;
  }
  r.in.ToWorld(centre);
  r.in.ArcToWorld(radius, sa, fa);
  if (radius > 0) r.Arc(e, centre.x, centre.y, radius, sa, fa);
  return more;
}

bool ConvertInsert(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  const DxfEntity& e = r.entity;
  if (!r.Matches(e)) return more;
  InsertTransform t;
  t.at = e.p[0];
  t.rotation = e.a50;
  if (e.s41 != 0) t.sx = e.s41;
  if (e.s42 != 0) t.sy = e.s42;
  if (e.s43 != 0) t.sz = e.s43;
  return EnterBlock(r, e.name, t, true, more, name);
}

bool ConvertDimension(DxfReader& r, std::string& name) {
  bool more = ReadEntity(r.in, r.layers, r.entity, name);
  const DxfEntity& e = r.entity;
  if (!r.Matches(e)) return more;
  return EnterBlock(r, e.name, InsertTransform(), false, more, name);
}

bool SkipEntity(DxfReader& r, std::string& name) {
  return r.in.NextName(name);
}

}  // namespace quill
