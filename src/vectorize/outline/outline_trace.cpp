#include "outline/outline_trace.h"

#include <potracelib.h>

#include <climits>
#include <cmath>
#include <memory>

#include "path_fitting.h"

namespace quill::vectorize {

namespace {

constexpr int kWordBits = static_cast<int>(sizeof(potrace_word) * CHAR_BIT);
// How closely the smooth curves' arcs follow potrace's curves, in pixels.
constexpr double kCurveTolerance = 0.25;

struct Bitmap {
  potrace_bitmap_t bm{};
  std::vector<potrace_word> words;
};

// potrace counts rows from the bottom: row y of the bitmap is picture row height - 1 - y, so its
// coordinates come out in picture units directly.
std::unique_ptr<Bitmap> MakeBitmap(const Mask& mask) {
  auto b = std::make_unique<Bitmap>();
  b->bm.w = mask.width;
  b->bm.h = mask.height;
  b->bm.dy = (mask.width + kWordBits - 1) / kWordBits;
  b->words.assign(static_cast<size_t>(b->bm.dy) * static_cast<size_t>(mask.height), 0);
  for (int y = 0; y < mask.height; ++y) {
    potrace_word* row = b->words.data() + static_cast<size_t>(mask.height - 1 - y) * static_cast<size_t>(b->bm.dy);
    for (int x = 0; x < mask.width; ++x) {
      if (mask.At(x, y)) row[x / kWordBits] |= potrace_word{1} << (kWordBits - 1 - x % kWordBits);
    }
  }
  b->bm.map = b->words.data();
  return b;
}

void AddCubic(std::vector<Point>& out, const potrace_dpoint_t& p0, const potrace_dpoint_t* c) {
  double chord = std::hypot(c[0].x - p0.x, c[0].y - p0.y) + std::hypot(c[1].x - c[0].x, c[1].y - c[0].y) +
                 std::hypot(c[2].x - c[1].x, c[2].y - c[1].y);
  int steps = std::max(4, static_cast<int>(std::ceil(chord)));
  for (int i = 1; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps, u = 1 - t;
    double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
    out.push_back({a * p0.x + b * c[0].x + d * c[1].x + e * c[2].x, a * p0.y + b * c[0].y + d * c[1].y + e * c[2].y});
  }
}

TracedPath PathOf(const potrace_curve_t& curve, bool curves) {
  std::vector<Point> pts;
  potrace_dpoint_t at = curve.c[curve.n - 1][2];
  for (int i = 0; i < curve.n; ++i) {
    const potrace_dpoint_t* c = curve.c[i];
    if (curve.tag[i] == POTRACE_CORNER) {
      pts.push_back({c[1].x, c[1].y});
      pts.push_back({c[2].x, c[2].y});
    } else {
      AddCubic(pts, at, c);
    }
    at = c[2];
  }
  // The last point is the first again.
  if (pts.size() > 1) pts.pop_back();
  if (!curves) {
    TracedPath path;
    path.points = std::move(pts);
    path.closed = true;
    return path;
  }
  return FitArcs(pts, true, kCurveTolerance);
}

struct ProgressRelay {
  std::function<void(double)> report;
  static void Call(double p, void* self) {
    auto* relay = static_cast<ProgressRelay*>(self);
    if (relay->report) relay->report(p);
  }
};

}  // namespace

std::vector<TracedPath> TraceOutlines(const Mask& mask, const OutlineOptions& options,
                                      const std::function<void(double)>& progress) {
  std::vector<TracedPath> out;
  if (mask.width <= 0 || mask.height <= 0) return out;
  std::unique_ptr<Bitmap> bitmap = MakeBitmap(mask);
  std::unique_ptr<potrace_param_t, void (*)(potrace_param_t*)> param(potrace_param_default(), potrace_param_free);
  if (!param) return out;
  param->turdsize = options.speckle;
  param->alphamax = options.curves ? 1.0 : 0.0;
  param->opticurve = options.curves ? 1 : 0;
  ProgressRelay relay{progress};
  param->progress.callback = &ProgressRelay::Call;
  param->progress.data = &relay;
  std::unique_ptr<potrace_state_t, void (*)(potrace_state_t*)> state(potrace_trace(param.get(), &bitmap->bm),
                                                                     potrace_state_free);
  if (!state || state->status != POTRACE_STATUS_OK) return out;
  for (const potrace_path_t* p = state->plist; p; p = p->next) {
    if (p->curve.n > 0) out.push_back(PathOf(p->curve, options.curves));
  }
  return out;
}

}  // namespace quill::vectorize
