// "Output Colors": the picture's colours brought down to a few by k-means over its colour histogram,
// darkest first; "Vectorize Darkest Only" and "Omit Brightest Color" choose which of them are traced.
#pragma once

#include <vector>

#include "mask.h"
#include "pixels/picture.h"
#include "raster/vectorizer_settings.h"

namespace quill::vectorize {

struct ColourClasses {
  std::vector<Rgb> colours;  // the classes' mean colours, darkest first
  Mask classOf;              // each pixel's class (in place of ink)
};

// count below 2 is taken as 2; a picture with fewer colours gets fewer classes.
ColourClasses QuantiseColours(const Picture& picture, int count);

// The classes to trace, darkest first: only the darkest, every class but the brightest, or all.
std::vector<int> ClassesToTrace(int classes, const RasterToVectorSettings& settings);

// The pixels of one class as ink.
Mask ClassMask(const ColourClasses& classes, int index);

}  // namespace quill::vectorize
