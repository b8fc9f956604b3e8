// A DXF machine: the cut moves as LINE, ARC, CIRCLE and POINT entities of layer 0, flat or in 3D, seen
// from above (mill) or from the side (lathe).
#include "nc/dxf_writer.h"

#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "nc/nc_output.h"

namespace quill {

namespace {

constexpr int DxfDecimals = 8;

double DegreesAbout(double x, double y, double cx, double cy) {
  double a = VectorAngle(x - cx, y - cy);
  return a == UndefinedAngle ? 0.0 : a * RadToDeg;
}

}  // namespace

void DxfWriter::Group(const char* code, const std::string& value) {
  s_.out.Line(code);
  s_.out.Line(value);
}

void DxfWriter::Group(const char* code, double value) {
  Group(code, FormatFixed(value, DxfDecimals));
}

void DxfWriter::Header() {
  Group("  0", "SECTION");
  Group("  2", "ENTITIES");
}

void DxfWriter::Closing() {
  Group("  0", "ENDSEC");
  Group("  0", "EOF");
}

void DxfWriter::Text(NcOutput&, const std::string& text) {
  Group("999", text);
}

void DxfWriter::Entity(const char* kind) {
  Group("  0", kind);
  Group("  8", "0");
}

void DxfWriter::Point(const char* x, const char* y, const char* z, const Xyz& p) {
  Group(x, p.x);
  Group(y, p.y);
  if (s_.m.REDUN) Group(z, p.z);
}

bool DxfWriter::Record(PostMove& mv) {
  // A lathe drawing looks at the part from the side: tool path Z across, X up.
  const bool mill = s_.m.ABSINC == 1;
  const Xyz cur = mill ? Xyz{mv.X, mv.Y, mv.Z} : Xyz{mv.Z, mv.X, mv.Y};
  const Xyz prev = mill ? Xyz{s_.PX, s_.PY, s_.PZ} : Xyz{s_.PZ, s_.PX, s_.PY};
  if (mv.code == 1) {
    if (!s_.m.REDUN && Distance2D(prev.x, prev.y, cur.x, cur.y) == 0) return true;
    Entity("LINE");
    Point(" 10", " 20", " 30", prev);
    Point(" 11", " 21", " 31", cur);
  } else if (mv.code == 2 || mv.code == 3) {
    bool closed = IsZero(cur.x - prev.x) && IsZero(cur.y - prev.y);
    Entity(closed ? "CIRCLE" : "ARC");
    Point(" 10", " 20", " 30", {mv.CX, mv.CY, cur.z});
    Group(" 40", Distance2D(mv.CX, mv.CY, cur.x, cur.y));
    if (!closed) {
      double from = DegreesAbout(prev.x, prev.y, mv.CX, mv.CY), to = DegreesAbout(cur.x, cur.y, mv.CX, mv.CY);
      Group(" 50", mv.code == 3 ? from : to);
      Group(" 51", mv.code == 3 ? to : from);
    }
  } else if (mv.code >= 81 && mv.code <= 90) {
    Entity("POINT");
    Point(" 10", " 20", " 30", prev);
  }
  return true;
}

}  // namespace quill
