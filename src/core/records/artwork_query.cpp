#include "records/artwork_query.h"

#include "mathlib/geom2d.h"
#include "records/artwork_record.h"

namespace quill {

void Box::Widen(double x, double y) {
  if (x < xmin) xmin = x;
  if (x > xmax) xmax = x;
  if (y < ymin) ymin = y;
  if (y > ymax) ymax = y;
}

void Box::Widen(const Box& other) {
  if (other.Empty()) return;
  Widen(other.xmin, other.ymin);
  Widen(other.xmax, other.ymax);
}

namespace {

bool Known(int kind) {
  return kind >= ArtMove && kind <= ArtArcCcw;
}

// Angles of other writers may lie below 0 or beyond a turn; the quadrant test needs them in [0, 2*pi].
double OneTurn(double a) {
  ReduceAngle(a);
  return a < 0 ? a + TwoPi : a;
}

}  // namespace

void WidenByArtwork(const std::string& artFile, Box& box) {
  ArtReader in(artFile);
  ArtRecord r;
  while (in.Next(r)) {
    if (!Known(r.kind)) continue;
    if (r.kind == ArtArcCw || r.kind == ArtArcCcw) {
      // The counter-clockwise sweep: a clockwise arc from sa to fa covers fa to sa.
      double from = OneTurn(r.kind == ArtArcCcw ? r.v[3] : r.v[4]);
      double to = OneTurn(r.kind == ArtArcCcw ? r.v[4] : r.v[3]);
      Box arc;
      ArcExtents(r.v[0], r.v[1], r.v[2], from, to, arc.xmin, arc.ymin, arc.xmax, arc.ymax);
      box.Widen(arc);
    } else {
      box.Widen(r.v[0], r.v[1]);
      box.Widen(r.v[2], r.v[3]);
    }
  }
}

long CountArtworkRecords(const std::string& artFile) {
  ArtReader in(artFile);
  ArtRecord r;
  long n = 0;
  while (in.Next(r)) {
    if (Known(r.kind)) ++n;
  }
  return n;
}

bool HasArtworkRecords(const std::string& artFile) {
  ArtReader in(artFile);
  ArtRecord r;
  while (in.Next(r)) {
    if (Known(r.kind)) return true;
  }
  return false;
}

}  // namespace quill
