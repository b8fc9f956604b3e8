#include "textpath/arcfit_file.h"

#include "mathlib/arc_fit.h"
#include "textpath/line_work.h"

namespace quill {

ArcFitWorkFile::ArcFitWorkFile(const std::string& path) { file_ = std::fopen(path.c_str(), "w+b"); }

ArcFitWorkFile::~ArcFitWorkFile() {
  if (file_) std::fclose(file_);
}

bool ArcFitWorkFile::FitInto(std::span<const CurvePoint> points, double tolerance, TextPathWriter& out) {
  if (!file_) return false;
  std::rewind(file_);
  {
    TextPathWriter block(file_);
    for (const FitRecord& r : FitTangentArcs(points, tolerance)) {
      block.Write(static_cast<int16_t>(r.kind), 0, r.X, r.Y, r.R, r.CX, r.CY);
    }
    if (!block.Close()) return false;
  }
  if (!CutAtPosition(file_)) return false;
  TextPathReader in(file_);
  TextPathRecord r;
  while (in.Next(r)) out.Write(r);
  return true;
}

}  // namespace quill
