#include "toolpath/merge/merge_options.h"

#include <cmath>

namespace quill {

namespace {

std::string CheckArray(const ArrayLayout& a) {
  if (a.columns == 0 && a.rows == 0) return {};
  const std::string limit = std::to_string(ArrayCountLimit);
  if (a.columns < 1 || a.columns > ArrayCountLimit || a.rows < 1 || a.rows > ArrayCountLimit) {
    return "The array needs between 1 and " + limit + " columns and rows";
  }
  for (double pitch : {a.pitchX, a.pitchY}) {
    if (!std::isfinite(pitch) || std::fabs(pitch) > ArrayPitchLimit) {
      return "The array's pitch must be a number between -10000 and 10000";
    }
  }
  if ((a.columns > 1 && a.pitchX == 0) || (a.rows > 1 && a.pitchY == 0)) {
    return "The array's pitch cannot be 0: every cell would be cut in the same place";
  }
  return {};
}

}  // namespace

std::string CheckMergeOptions(const MergeOptions& o) {
  if (o.dataFile.empty()) return "Choose the data file to merge";
  if (o.separator != 0 && o.separator != ';' && o.separator != ',' && o.separator != '\t') {
    return "The data file's separator must be ';', ',' or a tab";
  }
  for (const std::string& line : o.betweenRows) {
    if (line.find_first_of("\r\n") != std::string::npos) return "An NC-code line between rows cannot hold a line break";
  }
  if (!o.perRowColumn.empty() && o.array.On()) {
    return "One NC file per row and an array on one plate cannot be asked for together";
  }
  return CheckArray(o.array);
}

}  // namespace quill
