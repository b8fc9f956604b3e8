#include "centerline/centerline_trace.h"

#include <algorithm>

#include "centerline/corners.h"
#include "centerline/distance_map.h"
#include "centerline/junctions.h"
#include "centerline/skeleton_chains.h"
#include "centerline/skeleton_graph.h"
#include "centerline/thinning.h"
#include "path_fitting.h"
#include "pieces.h"
#include "speckles.h"

namespace quill::vectorize {

namespace {

// Pinholes up to this size are always filled: inside a stroke they would make the skeleton a ring.
constexpr int kPinhole = 4;
// How far a straight chain may stray from the skeleton's pixels, and how closely arcs follow the
// smoothed chain, in pixels.
constexpr double kLineTolerance = 0.7;
constexpr double kCurveTolerance = 0.4;
// The skeleton's stair steps are smoothed away over this length (Gaussian sigma, pixels).
constexpr double kSmoothing = 1.5;

// Moves the pieces whose widest point is wider than the limit from mask to a mask of their own.
Mask TakeWidePieces(Mask& mask, const DistanceMap& distance, double maxWidth) {
  Mask wide;
  std::vector<size_t> taken;
  ForEachPiece(mask, 1, true, [&](const std::vector<size_t>& piece) {
    float widest = 0;
    for (size_t i : piece) widest = std::max(widest, distance.distance[i]);
    if (2.0 * widest > maxWidth) taken.insert(taken.end(), piece.begin(), piece.end());
  });
  if (taken.empty()) return wide;
  wide = Mask(mask.width, mask.height);
  for (size_t i : taken) mask.ink[i] = 0, wide.ink[i] = 1;
  return wide;
}

// A closed chain repeats its first point at its end; the path does not.
TracedPath Fit(const Chain& chain, bool curves) {
  if (curves) return FitArcs(chain.points, chain.closed, kCurveTolerance);
  std::vector<Point> pts = Simplify(chain.points, kLineTolerance);
  TracedPath path;
  path.closed = chain.closed && pts.size() > 3;
  if (path.closed) pts.pop_back();
  path.points = std::move(pts);
  return path;
}

}  // namespace

CenterlineTrace TraceCenterlines(Mask mask, const CenterlineOptions& options,
                                 const std::function<void(double)>& progress) {
  auto report = [&progress](double p) {
    if (progress) progress(p);
  };
  CenterlineTrace out;
  if (mask.width <= 0 || mask.height <= 0) return out;
  RemoveSpeckles(mask, options.speckle, std::max(options.speckle, kPinhole));
  report(0.1);
  DistanceMap distance = DistanceToPaper(mask);
  out.wide = TakeWidePieces(mask, distance, options.maxStrokeWidth);
  report(0.3);
  Mask skeleton = Thin(mask);
  report(0.6);
  SkeletonGraph graph = FollowSkeleton(skeleton, distance);
  PruneSpurs(graph);
  SplitAtCorners(graph, distance);
  StraightenJunctions(graph, distance);
  // Each run is smoothed between its nodes, so the corners and meetings stay sharp.
  for (SkeletonEdge& e : graph.edges) {
    if (e.alive) e.points = Smooth(e.points, e.from < 0, kSmoothing);
  }
  std::vector<Chain> chains = ChainEdges(graph);
  JoinGaps(chains, options.gap);
  report(0.8);
  for (const Chain& c : chains) {
    if (c.points.size() >= 2) out.lines.push_back(Fit(c, options.curves));
  }
  // A dot thins to a lone pixel: it stays as a point.
  for (const SkeletonNode& n : graph.nodes) {
    if (n.edges.empty()) out.lines.push_back({{n.at}, {}, false, 0});
  }
  report(1.0);
  return out;
}

}  // namespace quill::vectorize
