#include "fonts/native_outline.h"

namespace quill {

namespace {

void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutPoint(std::vector<uint8_t>& b, FixedPoint p) {
  Put32(b, static_cast<uint32_t>(p.x));
  Put32(b, static_cast<uint32_t>(p.y));
}

FixedPoint Mid(FixedPoint a, FixedPoint b) {
  return {static_cast<int32_t>((static_cast<int64_t>(a.x) + b.x) / 2),
          static_cast<int32_t>((static_cast<int64_t>(a.y) + b.y) / 2)};
}

// Curve records of one contour, gathered before the header is written (its byte count comes first).
class ContourWriter {
 public:
  void Line(FixedPoint p) {
    if (type_ != NativeLine) Flush();
    type_ = NativeLine;
    points_.push_back(p);
  }
  // One quadratic record: control points with implied midpoints, then the on-curve end.
  void QSpline(const std::vector<FixedPoint>& controls, FixedPoint end) {
    Flush();
    type_ = NativeQSpline;
    points_ = controls;
    points_.push_back(end);
    Flush();
  }
  void Flush() {
    if (points_.empty()) return;
    Put16(body_, type_);
    Put16(body_, static_cast<uint16_t>(points_.size()));
    for (auto p : points_) PutPoint(body_, p);
    points_.clear();
  }
  const std::vector<uint8_t>& Body() {
    Flush();
    return body_;
  }

 private:
  uint16_t type_ = 0;
  std::vector<FixedPoint> points_;
  std::vector<uint8_t> body_;
};

// The quadratic control point standing in for one half of a cubic piece.
FixedPoint QuadraticFor(FixedPoint p0, FixedPoint c1, FixedPoint c2, FixedPoint p3) {
  auto q = [](int64_t a, int64_t b, int64_t c, int64_t d) {
    return static_cast<int32_t>((3 * (b + c) - a - d) / 4);
  };
  return {q(p0.x, c1.x, c2.x, p3.x), q(p0.y, c1.y, c2.y, p3.y)};
}

// A cubic piece split in two halves, each written as one quadratic record.
void CubicAsQuadratics(ContourWriter& w, FixedPoint p0, FixedPoint c1, FixedPoint c2, FixedPoint p3) {
  FixedPoint a = Mid(p0, c1), b = Mid(c1, c2), c = Mid(c2, p3);
  FixedPoint ab = Mid(a, b), bc = Mid(b, c), m = Mid(ab, bc);
  w.QSpline({QuadraticFor(p0, a, ab, m)}, m);
  w.QSpline({QuadraticFor(m, bc, c, p3)}, p3);
}

}  // namespace

void AppendNativeContour(const std::vector<OutlinePoint>& contour, std::vector<uint8_t>& buffer) {
  size_t n = contour.size();
  if (n == 0) return;
  // Rotate the contour so that it starts on the curve.
  std::vector<OutlinePoint> pts;
  size_t first = 0;
  while (first < n && contour[first].kind != OutlinePointKind::On) ++first;
  if (first == n) {
    pts.push_back({Mid(contour[0].p, contour[n > 1 ? 1 : 0].p), OutlinePointKind::On});
    for (size_t i = 1; i < n; ++i) pts.push_back(contour[i]);
    pts.push_back(contour[0]);
  } else {
    for (size_t i = 0; i < n; ++i) pts.push_back(contour[(first + i) % n]);
  }
  const FixedPoint start = pts[0].p;

  ContourWriter w;
  FixedPoint current = start;
  std::vector<FixedPoint> conics;
  std::vector<FixedPoint> cubics;
  size_t count = pts.size();
  for (size_t i = 1; i <= count; ++i) {
    bool closing = i == count;
    const OutlinePoint& op = closing ? pts[0] : pts[i];
    if (op.kind == OutlinePointKind::Conic) {
      conics.push_back(op.p);
      continue;
    }
    if (op.kind == OutlinePointKind::Cubic) {
      cubics.push_back(op.p);
      continue;
    }
    if (!conics.empty()) {
      w.QSpline(conics, op.p);
      conics.clear();
    } else if (cubics.size() >= 2) {
      CubicAsQuadratics(w, current, cubics[0], cubics[1], op.p);
    } else if (cubics.size() == 1) {
      w.QSpline(cubics, op.p);
    } else if (!closing) {
      w.Line(op.p);
    }
    cubics.clear();
    current = op.p;
  }
  const std::vector<uint8_t>& body = w.Body();
  Put32(buffer, static_cast<uint32_t>(NativeHeaderSize + body.size()));
  Put32(buffer, NativePolygonType);
  PutPoint(buffer, start);
  buffer.insert(buffer.end(), body.begin(), body.end());
}

}  // namespace quill
