// The native glyph outline buffer the text layout walks: for each contour a 16-byte polygon header
// (byte count, type 24, start point) followed by curve records (type, point count, points), every
// point two 16.16 fixed-point numbers.  Little-endian throughout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quill {

inline constexpr uint32_t NativePolygonType = 24;
inline constexpr uint16_t NativeLine = 1;
inline constexpr uint16_t NativeQSpline = 2;
inline constexpr size_t NativeHeaderSize = 16;

struct FixedPoint {
  int32_t x = 0, y = 0;  // 16.16
};

// One contour of an outline: its points in order with their kind, as a font rasteriser gives them.
enum class OutlinePointKind { On, Conic, Cubic };
struct OutlinePoint {
  FixedPoint p;
  OutlinePointKind kind = OutlinePointKind::On;
};

// Appends one closed contour to the buffer: starts at an on-curve point (made in the middle of the
// first two control points when there is none), runs of on-curve points become line records, runs of
// conic control points one quadratic-spline record ending at the next on-curve point, and cubic
// pieces are approximated by quadratic ones.  The closing line back to the start stays implicit.
void AppendNativeContour(const std::vector<OutlinePoint>& contour, std::vector<uint8_t>& buffer);

}  // namespace quill
