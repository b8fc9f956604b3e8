#include "textpath/arcfit_file.h"

#include "mathlib/arc_fit.h"
#include "textpath/line_work.h"

namespace quill {

ArcFitWorkFile::~ArcFitWorkFile() {
  if (!file_) return;
  TextPathWriter block(file_);
  for (const TextPathRecord& r : block_) block.Write(r);
  if (block.Close()) CutAtPosition(file_);
  std::fclose(file_);
}

bool ArcFitWorkFile::StartLine() {
  if (!tried_) file_ = std::fopen(path_.c_str(), "w+b");
  tried_ = true;
  block_.clear();
  return file_ != nullptr;
}

bool ArcFitWorkFile::FitInto(std::span<const CurvePoint> points, double tolerance, TextPathWriter& out) {
  if (!tried_) StartLine();
  if (!file_) return false;
  block_.clear();
  for (const FitRecord& r : FitTangentArcs(points, tolerance)) {
    block_.push_back({static_cast<int16_t>(r.kind), 0, r.X, r.Y, r.R, r.CX, r.CY});
    out.Write(block_.back());
  }
  return true;
}

}  // namespace quill
