#include "mathlib/tolerance.h"

namespace quill {

double TangencyTolerance = DefaultTangencyTolerance;

}  // namespace quill
