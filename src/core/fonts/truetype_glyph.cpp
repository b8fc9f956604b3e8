#include "fonts/truetype_glyph.h"

#include <cmath>
#include <string>

#include "fonts/native_outline.h"
#include "fonts/truetype_face.h"
#include "mathlib/curves.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr int CurveBlockPoints = 10;
// The outline's size travels in 16 bits; a larger glyph cannot be fetched whole.
constexpr size_t MaxOutlineSize = 0xFFFF;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
FixedPoint GetPoint(const uint8_t* p) {
  return {static_cast<int32_t>(Get32(p)), static_cast<int32_t>(Get32(p + 4))};
}
double Real(int32_t fixed) { return fixed / 65536.0; }

// Midpoint of two 16.16 points: averaged as reals, truncated back to 16.16.
FixedPoint FixedMid(FixedPoint a, FixedPoint b) {
  return {static_cast<int32_t>(std::trunc((Real(a.x) + Real(b.x)) / 2 * 65536.0)),
          static_cast<int32_t>(std::trunc((Real(a.y) + Real(b.y)) / 2 * 65536.0))};
}

class Walker {
 public:
  Walker(const GlyphScale& scale, std::vector<TextPathRecord>& out, CharExtent& extent)
      : scale_(scale), out_(out), extent_(extent) {}

  bool Polygon(const uint8_t* p, size_t size);

 private:
  CurvePoint Scaled(FixedPoint f) const { return {Real(f.x) * scale_.width, Real(f.y) * scale_.height}; }
  void Emit(int16_t kind, CurvePoint c) {
    out_.push_back({kind, 0, c.X, c.Y, 0, 0, 0});
    extent_.Add(c.X, c.Y);
  }
  void Lines(const uint8_t* pts, uint16_t n);
  void QSpline(const uint8_t* pts, uint16_t n);

  const GlyphScale& scale_;
  std::vector<TextPathRecord>& out_;
  CharExtent& extent_;
  FixedPoint current_;
};

void Walker::Lines(const uint8_t* pts, uint16_t n) {
  for (uint16_t i = 0; i < n; ++i) {
    current_ = GetPoint(pts + 8 * i);
    Emit(TpLine, Scaled(current_));
  }
}

void Walker::QSpline(const uint8_t* pts, uint16_t n) {
  for (int i = 0; i + 1 < n; ++i) {
    FixedPoint control = GetPoint(pts + 8 * i);
    FixedPoint next = GetPoint(pts + 8 * (i + 1));
    FixedPoint end = i == n - 2 ? next : FixedMid(control, next);
    CurvePoint nodes[3] = {Scaled(current_), Scaled(control), Scaled(end)};
    out_.push_back({TpCurveStart, CurveBlockPoints, 0, 0, 0, 0, 0});
    for (const CurvePoint& c : BezierPoints(nodes, CurveBlockPoints)) Emit(TpLine, c);
    out_.push_back({TpCurveEnd, CurveBlockPoints, 0, 0, 0, 0, 0});
    current_ = end;
  }
}

bool Walker::Polygon(const uint8_t* p, size_t size) {
  FixedPoint start = GetPoint(p + 8);
  current_ = start;
  Emit(TpMove, Scaled(start));
  size_t at = NativeHeaderSize;
  while (at < size) {
    if (size - at < 4) return false;
    uint16_t type = Get16(p + at), n = Get16(p + at + 2);
    size_t bytes = 4 + 8 * static_cast<size_t>(n);
    if (bytes > size - at) return false;
    if (type == NativeLine) Lines(p + at + 4, n);
    if (type == NativeQSpline) QSpline(p + at + 4, n);
    at += bytes;
  }
  Emit(TpLine, Scaled(start));
  return true;
}

}  // namespace

bool WalkNativeOutline(const std::vector<uint8_t>& buffer, unsigned char code, const GlyphScale& scale,
                       std::vector<TextPathRecord>& out, CharExtent& extent) {
  out.push_back({TpCharStart, code, 0, 0, 0, 0, 0});
  size_t boxAt = out.size();
  out.push_back({TpBoxLow, 1, 0, 0, 0, 0, 0});
  out.push_back({TpBoxHigh, 1, 0, 0, 0, 0, 0});
  CharExtent own;
  Walker walker(scale, out, own);
  size_t at = 0;
  while (at < buffer.size()) {
    if (buffer.size() - at < NativeHeaderSize) return false;
    uint32_t cb = Get32(buffer.data() + at);
    if (cb < NativeHeaderSize || cb > buffer.size() - at) return false;
    if (!walker.Polygon(buffer.data() + at, cb)) return false;
    at += cb;
  }
  out.push_back({TpCharEnd, 0, 0, 0, 0, 0, 0});
  out[boxAt].X = own.XMin;
  out[boxAt].Y = own.YMin;
  out[boxAt + 1].X = own.XMax;
  out[boxAt + 1].Y = own.YMax;
  extent.Add(own.XMin, own.YMin);
  extent.Add(own.XMax, own.YMax);
  return true;
}

void SpaceRecords(unsigned char code, double width, std::vector<TextPathRecord>& out) {
  out.push_back({TpCharStart, code, 0, 0, 0, 0, 0});
  out.push_back({TpBoxLow, 0, 0, 0, 0, 0, 0});
  out.push_back({TpBoxHigh, 0, width, width, 0, 0, 0});
  out.push_back({TpMove, 0, width, 0, 0, 0, 0});
  out.push_back({TpCharEnd, 0, 0, 0, 0, 0, 0});
}

bool LoadGlyphOutline(Ui& ui, const TrueTypeFace& face, unsigned char code, const GlyphScale& scale,
                      TextPathWriter& out, CharExtent& extent) {
  ui.Status(StatusChannel::TextPathConsole, std::string(1, static_cast<char>(code)), ConsoleColor::Green, false);
  std::vector<uint8_t> buffer;
  std::vector<TextPathRecord> records;
  bool read = face.NativeOutline(code, buffer);
  bool ok = read && buffer.size() <= MaxOutlineSize;
  if (ok && buffer.empty()) {
    SpaceRecords(code, scale.space, records);
    extent.Add(scale.space, 0);
  } else if (ok) {
    ok = WalkNativeOutline(buffer, code, scale, records, extent);
  }
  if (!ok) {
    ui.Error("Character Buffer Size Mismatch\nPossibly Bad Font File");
    return false;
  }
  for (const auto& r : records) out.Write(r);
  ui.Pump();
  return true;
}

}  // namespace quill
