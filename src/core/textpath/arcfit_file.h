// The arc-fit work file (QMARCFIT.TMP): the tangent arcs fitted to a curve block, as text path records.
// Every line's fitting starts it empty and it ends holding the last block fitted, as it always has; the
// blocks on the way are fitted in memory (a line has hundreds of them) and the file is written once,
// when the layout is done with it.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "mathlib/curves.h"
#include "records/textpath_record.h"

namespace quill {

class ArcFitWorkFile {
 public:
  explicit ArcFitWorkFile(std::string path) : path_(std::move(path)) {}
  // Writes the last block.
  ~ArcFitWorkFile();
  ArcFitWorkFile(const ArcFitWorkFile&) = delete;
  ArcFitWorkFile& operator=(const ArcFitWorkFile&) = delete;

  // A new line is being fitted: the file holds nothing until its first block.  False when the file
  // cannot be written.
  bool StartLine();
  // Fits lines and tangent arcs to the points within the tolerance (kinds 4, 5 and 6; the first a line
  // to the first point), keeps them as the file's block and appends them to out.  False when the file
  // cannot be written.
  bool FitInto(std::span<const CurvePoint> points, double tolerance, TextPathWriter& out);

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
  std::vector<TextPathRecord> block_;
  bool tried_ = false;  // the file was opened, or could not be
};

}  // namespace quill
