// The rows of a data merge made ready before anything is cut: each data row's text filled in from the
// editor's text, checked against the font, and its NC file name when every row gets a file of its own.
#pragma once

#include <string>
#include <vector>

#include "toolpath/merge/merge_options.h"

namespace quill {

class Job;

struct MergeRow {
  long number = 0;                // the row in the spreadsheet (the header row is row 1)
  long index = 0;                 // among the data rows, from 0: its cell in an array
  std::vector<std::string> text;  // the lines to engrave, in the fonts' 8-bit codes
  std::string fileStem;           // one NC file per row: the file's name without its extension
};

// A row that is not engraved, and why: "Row 7: the field {Name} is empty".
struct RowProblem {
  long row = 0;
  std::string what;
  std::string Text() const { return "Row " + std::to_string(row) + ": " + what; }
};

struct MergeData {
  std::vector<MergeRow> rows;        // the rows to engrave, in the file's order
  std::vector<RowProblem> problems;  // the rows that cannot be, in the file's order
  long dataRows = 0;                 // every data row of the file
};

// Reads the data file and fills in every data row.  False, after telling the operator, when the file,
// the fields or the font cannot be used at all (no data row would come out).
bool PrepareMergeRows(Job& job, const MergeOptions& options, MergeData& out);

// The NC file name a cell gives: characters a file name cannot hold become "_", surrounding blanks and
// leading dots go, at most 120 bytes are kept.
std::string FileStemOf(const std::string& cell);

}  // namespace quill
