// "Noise Reduction": specks of ink and pinholes in the ink up to a size are wiped out before tracing,
// as a scan's dust and paper grain should not become lines.
#pragma once

#include "mask.h"

namespace quill::vectorize {

// Ink pieces (8-connected) of at most maxSpeck pixels become paper; paper holes inside the ink
// (4-connected, not touching the picture's edge) of at most maxHole pixels become ink.
void RemoveSpeckles(Mask& mask, int maxSpeck, int maxHole);

}  // namespace quill::vectorize
