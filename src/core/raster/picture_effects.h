// The picture's effects: brightness, contrast, a black-and-white threshold, inversion and grey, the
// clean-up a scan needs before it is traced.
#pragma once

#include "pixels/picture.h"

namespace quill {

struct PictureEffects {
  int brightness = 0;  // -100 (black) to 100 (white)
  int contrast = 0;    // -100 (flat grey) to 100 (twice the contrast)
  int threshold = 0;   // 1 to 255: black below, white from it on; 0: none
  bool invert = false;
  bool grey = false;  // the colours become their brightness

  bool None() const { return brightness == 0 && contrast == 0 && threshold == 0 && !invert && !grey; }
};

// In this order: grey, brightness and contrast, threshold (which makes the picture grey), inversion.
// Values outside their ranges are brought inside.
Picture ApplyEffects(const Picture& picture, const PictureEffects& effects);

}  // namespace quill
