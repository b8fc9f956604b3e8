// Where the geometry library tells the operator it was called on a kind of entity it does not handle,
// and the library's program-wide tolerance.
#pragma once

#include "mathlib/tolerance.h"

namespace quill {

class Ui;
class tgEntity;

inline constexpr double DefaultEntityTolerance = 0.0001;

// Grows the boxes of PointInBox and the line test of IsOn.  The hatcher tightens it for its run; use a
// ToleranceScope so the old value comes back on every way out.
extern double EntityTolerance;

// Shows "<label> called with <kind name of e>" as an error box.
void ReportKindError(Ui& ui, const char* label, const tgEntity& e);

}  // namespace quill
