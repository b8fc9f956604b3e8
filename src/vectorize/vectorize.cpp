#include "vectorize.h"

#include <cstdio>

#include "centerline/centerline_trace.h"
#include "colour_classes.h"
#include "outline/outline_trace.h"

namespace quill::vectorize {

namespace {

std::string LayerName(const Rgb& c) {
  char name[16];
  std::snprintf(name, sizeof name, "TRACE_%02X%02X%02X", c.r, c.g, c.b);
  return name;
}

void Add(Tracing& t, std::vector<TracedPath> paths, int layer) {
  for (TracedPath& p : paths) {
    p.layer = layer;
    t.paths.push_back(std::move(p));
  }
}

}  // namespace

Tracing Vectorize(const Picture& picture, const VectorizerParameters& parameters,
                  const std::function<void(int)>& progress) {
  const RasterToVectorSettings& s = parameters.settings;
  Tracing out;
  ColourClasses classes = QuantiseColours(picture, s.colours);
  // One colour has no edges to trace.
  if (classes.colours.size() < 2) return out;
  std::vector<int> chosen = ClassesToTrace(static_cast<int>(classes.colours.size()), s);
  OutlineOptions outline{s.noise, s.bezier};
  CenterlineOptions centre{s.noise, static_cast<double>(parameters.gapFill), s.lineWidth * LineWidthUnit, s.bezier};
  for (size_t k = 0; k < chosen.size(); ++k) {
    auto step = [&progress, k, n = chosen.size()](double part) {
      if (progress) progress(static_cast<int>(100.0 * (static_cast<double>(k) + part) / static_cast<double>(n)));
    };
    const Rgb& colour = classes.colours[static_cast<size_t>(chosen[k])];
    int layer = static_cast<int>(out.layers.size());
    out.layers.push_back({LayerName(colour), colour});
    Mask mask = ClassMask(classes, chosen[k]);
    if (!s.centerlines) {
      Add(out, TraceOutlines(mask, outline, step), layer);
      continue;
    }
    CenterlineTrace traced = TraceCenterlines(std::move(mask), centre, step);
    Add(out, std::move(traced.lines), layer);
    if (!traced.wide.ink.empty()) Add(out, TraceOutlines(traced.wide, outline), layer);
  }
  if (progress) progress(100);
  return out;
}

}  // namespace quill::vectorize
