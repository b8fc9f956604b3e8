// What tracing gives: paths in picture units (pixels, y up, the picture's bottom left corner at 0, 0)
// made of straight segments and arcs, each on the layer of the colour it was traced from.
#pragma once

#include <string>
#include <vector>

#include "pixels/picture.h"

namespace quill::vectorize {

struct Point {
  double x = 0, y = 0;
};

struct TracedPath {
  std::vector<Point> points;
  // bulges[i] shapes the segment from points[i] to the next point: 0 straight, otherwise an arc whose
  // bulge is the tangent of a quarter of its sweep, positive counter-clockwise (as DXF has it).  Empty
  // means every segment is straight.
  std::vector<double> bulges;
  bool closed = false;  // the last point joins the first
  int layer = 0;

  double Bulge(size_t i) const { return i < bulges.size() ? bulges[i] : 0.0; }
};

struct TraceLayer {
  std::string name;
  Rgb colour;
};

struct Tracing {
  std::vector<TraceLayer> layers;
  std::vector<TracedPath> paths;
};

// The picture pixel (column x, row y from the top) of a picture height pixels high, as a point at the
// pixel's centre in picture units.
inline Point PixelCentre(int x, int y, int height) {
  return {x + 0.5, height - y - 0.5};
}

}  // namespace quill::vectorize
