// What a data merge is asked to do: the "Merge Data" window's fields and the toolbox's options.
#pragma once

#include <string>
#include <vector>

namespace quill {

// Whether the first record of the data file names the columns.
enum class HeaderRow {
  Auto,  // it does exactly when the text names a field, or the per-row file column, by name
  Yes,
  No,
};

// Rows laid out on one plate: cells fill a row of the array left to right, each row of the array lies
// pitchY below the one before (a negative pitch goes up).  Rows beyond columns x rows start the next
// plate, at the same places.
struct ArrayLayout {
  int columns = 0;  // 0: no array, every row at the text's own place
  int rows = 0;
  double pitchX = 0;
  double pitchY = 0;

  bool On() const { return columns > 0; }
  long Cells() const { return static_cast<long>(columns) * rows; }
};

struct MergeOptions {
  std::string dataFile;  // the CSV file
  HeaderRow header = HeaderRow::Auto;
  char separator = 0;         // ';', ',' or tab; 0: as the file uses
  bool insertComment = true;  // a "(...)" comment with the row's text before its tool path
  // "NC-Code To Add Between Numbers:": written after every row, or in an array after every plate.
  std::vector<std::string> betweenRows{"M00"};
  std::string perRowColumn;  // one NC file per row named from this column (name or number)
  ArrayLayout array;
};

inline constexpr int ArrayCountLimit = 1000;
inline constexpr double ArrayPitchLimit = 10000;

// Empty when the options can be used; otherwise what is wrong, as the operator is told.
std::string CheckMergeOptions(const MergeOptions& options);

}  // namespace quill
