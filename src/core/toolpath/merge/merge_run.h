// The data merge: the serial-number run generalised to the rows of a spreadsheet.  Each row's text is
// laid out and cut one after the other into one cutter-location file, with the "NC-Code To Add
// Between Numbers" after each row (after each plate in an array), or into a cutter-location file of
// its own that the caller turns into the row's NC file.
#pragma once

#include <functional>
#include <vector>

#include "toolpath/merge/merge_options.h"
#include "toolpath/merge/merge_rows.h"
#include "toolpath/serial_numbers.h"
#include "toolpath/toolpath_options.h"
#include "toolpath/toolpath_pass.h"

namespace quill {

class Job;

// Per-row files: called once the cutter-location file holds the row's tool path alone; false when its
// NC file could not be written (the caller has said why), which ends the run.
using RowFinished = std::function<bool(Job&, const MergeRow&)>;

struct MergeStages {
  ToolPathOptions toolPath;  // the tool path dialog's choices
  TextPathGenerator generateTextPath = GenerateSerialTextPath;
  ToolPathPlugins plugins;
  RowFinished rowFinished;  // set: one file per row
};

struct MergeOutcome {
  long engraved = 0;                 // rows cut into the cutter-location file(s)
  std::vector<RowProblem> problems;  // every row that was not, in row order
  bool cancelled = false;            // the operator pressed Cancel
  bool complete = false;             // every row was tried and every file closed
};

// Runs the rows of data (see PrepareMergeRows).  Progress and Cancel go through the Ui ("Merge Data");
// the rows that were not engraved are listed on its status and summed up in one warning.
// ToolPathCreated is set only when the run completed with at least one row cut.
MergeOutcome RunMerge(Job& job, const MergeOptions& options, const MergeData& data, const MergeStages& stages);

// The comment written before a row's tool path: its text on one line, lines parted by " / ", with
// brackets for parentheses so the comment stays one comment on every control.
std::string RowComment(const std::vector<std::string>& text);

}  // namespace quill
