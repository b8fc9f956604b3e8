#include "artwork/dxf_reader.h"

#include "mathlib/constants.h"

namespace quill {

void DxfReader::Count(DxfCounter which) {
  long& n = counts[static_cast<int>(which)];
  status.Counter(which, ++n);
}

void DxfReader::Line(const DxfEntity& e, const DxfPoint& a, const DxfPoint& b) {
  tmg.Line(e.layer, e.TmgColour(layers), a.x, a.y, b.x, b.y);
}

void DxfReader::Arc(const DxfEntity& e, double cx, double cy, double r, double sa, double fa) {
  tmg.Arc(e.layer, e.TmgColour(layers), cx, cy, r, sa * RadToDeg, fa * RadToDeg);
}

void DxfReader::Point(const DxfEntity& e, const DxfPoint& p) {
  tmg.Point(e.layer, e.TmgColour(layers), p.x, p.y);
}

}  // namespace quill
