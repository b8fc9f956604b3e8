// The vectorizer's work on one picture, as its parameter file asks: the colours brought down to
// "Output Colors", the chosen ones traced (as outlines, or with "Centerlines Only" as centre lines),
// each on a layer of its own.
#pragma once

#include <functional>

#include "pixels/picture.h"
#include "raster/parameter_file.h"
#include "traced_path.h"

namespace quill::vectorize {

// "-lwidth" counts tenths of a pixel: pieces of ink wider than that are outlined even when centre
// lines are asked for, since a filled area has no one middle line.
inline constexpr double LineWidthUnit = 0.1;

// progress receives whole percentages, 0 to 100.
Tracing Vectorize(const Picture& picture, const VectorizerParameters& parameters,
                  const std::function<void(int)>& progress = {});

}  // namespace quill::vectorize
