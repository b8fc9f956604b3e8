#include "dxf_writer.h"

#include <algorithm>

#include "mathlib/number_text.h"
#include "records/atomic_file.h"

namespace quill::vectorize {

namespace {

constexpr int kDecimals = 8;

class DxfOut {
 public:
  explicit DxfOut(bool dos) : end_(dos ? "\r\n" : "\n") {}
  void Group(int code, const std::string& value) {
    std::string c = std::to_string(code);
    text_ += std::string(c.size() < 3 ? 3 - c.size() : 0, ' ') + c + end_ + value + end_;
  }
  void Real(int code, double v) { Group(code, FormatFixed(v, kDecimals)); }
  void Int(int code, long v) { Group(code, std::to_string(v)); }
  void Point(int code, const quill::vectorize::Point& p) {
    Real(code, p.x);
    Real(code + 10, p.y);
    Real(code + 20, 0.0);
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string end_;
  std::string text_;
};

// The AutoCAD colour nearest the traced colour, among the seven plain ones and black-or-white.
int ColourNumber(const Rgb& c) {
  static const struct {
    int aci;
    Rgb rgb;
  } kColours[] = {{1, {255, 0, 0}},   {2, {255, 255, 0}}, {3, {0, 255, 0}},     {4, {0, 255, 255}},  {5, {0, 0, 255}},
                  {6, {255, 0, 255}}, {7, {0, 0, 0}},     {8, {128, 128, 128}}, {9, {192, 192, 192}}};
  int best = 7;
  long bestD = -1;
  for (const auto& k : kColours) {
    long dr = c.r - k.rgb.r, dg = c.g - k.rgb.g, db = c.b - k.rgb.b;
    long d = dr * dr + dg * dg + db * db;
    if (bestD < 0 || d < bestD) bestD = d, best = k.aci;
  }
  return best;
}

std::string LayerName(const Tracing& t, int layer) {
  if (layer < 0 || static_cast<size_t>(layer) >= t.layers.size()) return "0";
  return t.layers[static_cast<size_t>(layer)].name;
}

void Header(DxfOut& out, const Tracing& t) {
  Point lo{0, 0}, hi{0, 0};
  bool any = false;
  for (const TracedPath& p : t.paths) {
    for (const Point& q : p.points) {
      lo = any ? Point{std::min(lo.x, q.x), std::min(lo.y, q.y)} : q;
      hi = any ? Point{std::max(hi.x, q.x), std::max(hi.y, q.y)} : q;
      any = true;
    }
  }
  out.Group(0, "SECTION");
  out.Group(2, "HEADER");
  out.Group(9, "$ACADVER");
  out.Group(1, "AC1009");
  out.Group(9, "$EXTMIN");
  out.Point(10, lo);
  out.Group(9, "$EXTMAX");
  out.Point(10, hi);
  out.Group(0, "ENDSEC");
}

void Layers(DxfOut& out, const Tracing& t) {
  out.Group(0, "SECTION");
  out.Group(2, "TABLES");
  out.Group(0, "TABLE");
  out.Group(2, "LAYER");
  out.Int(70, static_cast<long>(t.layers.size()) + 1);
  auto layer = [&out](const std::string& name, int colour) {
    out.Group(0, "LAYER");
    out.Group(2, name);
    out.Int(70, 0);
    out.Int(62, colour);
    out.Group(6, "CONTINUOUS");
  };
  layer("0", 7);
  for (const TraceLayer& l : t.layers) layer(l.name, ColourNumber(l.colour));
  out.Group(0, "ENDTAB");
  out.Group(0, "ENDSEC");
}

void Path(DxfOut& out, const Tracing& t, const TracedPath& p) {
  std::string layer = LayerName(t, p.layer);
  if (p.points.size() == 1) {
    out.Group(0, "POINT");
    out.Group(8, layer);
    out.Point(10, p.points[0]);
    return;
  }
  out.Group(0, "POLYLINE");
  out.Group(8, layer);
  out.Int(66, 1);
  out.Point(10, {0, 0});
  out.Int(70, p.closed ? 1 : 0);
  for (size_t i = 0; i < p.points.size(); ++i) {
    out.Group(0, "VERTEX");
    out.Group(8, layer);
    out.Point(10, p.points[i]);
    if (p.Bulge(i) != 0) out.Real(42, p.Bulge(i));
  }
  out.Group(0, "SEQEND");
  out.Group(8, layer);
}

}  // namespace

std::string DxfText(const Tracing& tracing, bool dosLines) {
  DxfOut out(dosLines);
  Header(out, tracing);
  Layers(out, tracing);
  out.Group(0, "SECTION");
  out.Group(2, "ENTITIES");
  for (const TracedPath& p : tracing.paths) {
    if (!p.points.empty()) Path(out, tracing, p);
  }
  out.Group(0, "ENDSEC");
  out.Group(0, "EOF");
  return out.Take();
}

bool WriteDxf(const std::string& path, const Tracing& tracing, bool dosLines) {
  return WriteFileAtomically(path, DxfText(tracing, dosLines));
}

}  // namespace quill::vectorize
