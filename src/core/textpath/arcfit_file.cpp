#include "textpath/arcfit_file.h"

#include "mathlib/arc_fit.h"
#include "records/textpath_record.h"

namespace quill {

bool FitTangentArcsToFile(const std::string& arcFitFile, std::span<const CurvePoint> points, double tolerance) {
  TextPathWriter out(arcFitFile);
  if (!out.IsOpen()) return false;
  for (const FitRecord& r : FitTangentArcs(points, tolerance)) {
    out.Write(static_cast<int16_t>(r.kind), 0, r.X, r.Y, r.R, r.CX, r.CY);
  }
  return out.Close();
}

}  // namespace quill
