#include "toolpath/merge/array_layout.h"

#include "mathlib/number_text.h"
#include "records/cl_record.h"

namespace quill {

namespace {

constexpr int ClDecimals = 16;

// A drilling cycle keeps its retract plane and peck after the four fields every move has.
std::string CycleFields(const ClRecord& r, double dx, double dy) {
  std::string rest = FormatClRecord(r.code, r.X + dx, r.Y + dy, r.Z, r.F);
  rest.erase(0, std::to_string(r.code).size());
  return rest + " " + FormatFixed(r.R, ClDecimals) + " " + FormatFixed(r.Q, ClDecimals);
}

}  // namespace

CellPlace CellOf(const ArrayLayout& array, long index) {
  if (!array.On()) return {index, true, 0, 0};
  const long cell = index % array.Cells();
  const long column = cell % array.columns, row = cell / array.columns;
  return {index / array.Cells(), cell == 0, static_cast<double>(column) * array.pitchX,
          -static_cast<double>(row) * array.pitchY};
}

bool AppendMovedToolPath(const std::string& from, ClWriter& to, double dx, double dy) {
  ClReader in(from);
  if (!in.IsOpen()) return false;
  ClRecord r;
  while (in.Next(r)) {
    if (r.code == ClRotaryRadius) {
      to.WriteRotaryRadius(r.R);
    } else if (r.code == ClText || r.code == ClResetHome) {
      to.WriteText(r.code, r.text);
    } else if (r.code >= ClCycleFirst && r.code <= ClCycleLast) {
      to.WriteText(r.code, CycleFields(r, dx, dy));
    } else {
      to.Write(r.code, r.X + dx, r.Y + dy, r.Z, r.F, r.CX + dx, r.CY + dy);
    }
  }
  return !in.Damaged();
}

}  // namespace quill
