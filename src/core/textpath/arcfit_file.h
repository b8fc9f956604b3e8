// The arc-fit work file (QMARCFIT.TMP): the tangent arcs fitted to one curve block, as text path records.
// It stays open while a line is fitted and is rewritten in place for every block.
#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "mathlib/curves.h"
#include "records/textpath_record.h"

namespace quill {

class ArcFitWorkFile {
 public:
  explicit ArcFitWorkFile(const std::string& path);
  ~ArcFitWorkFile();
  ArcFitWorkFile(const ArcFitWorkFile&) = delete;
  ArcFitWorkFile& operator=(const ArcFitWorkFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // Fits lines and tangent arcs to the points within the tolerance, rewrites the file with them (kinds
  // 4, 5 and 6; the first a line to the first point) and appends them to out.  False when the file
  // cannot be written.
  bool FitInto(std::span<const CurvePoint> points, double tolerance, TextPathWriter& out);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace quill
