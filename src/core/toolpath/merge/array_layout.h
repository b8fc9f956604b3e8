// Rows of a data merge laid out as an array on a plate: where each row's tool path goes, and the
// tool path of one row moved there.
#pragma once

#include <string>

#include "toolpath/merge/merge_options.h"

namespace quill {

class ClWriter;

struct CellPlace {
  long plate = 0;  // from 0
  bool firstOnPlate = true;
  double dx = 0, dy = 0;
};

// The place of the index-th data row (from 0).  Without an array every row is the first on its own
// plate, unmoved.
CellPlace CellOf(const ArrayLayout& array, long index);

// Copies the records of one tool path run (up to its end of data) to `to`, every position and arc
// centre moved by (dx, dy).  False when the file cannot be read or holds a record that cannot be.
bool AppendMovedToolPath(const std::string& from, ClWriter& to, double dx, double dy);

}  // namespace quill
