// The unattended run with its additions: a data merge or a serial-number run in place of the text and
// tool path stages, one NC file per data row, and the NC self-check after writing (quill run --data,
// --serial, --per-row-nc, --check).
#pragma once

#include <string>

#include "app/startup.h"
#include "toolpath/merge/merge_run.h"

namespace quill {

class NcGenerator;

// The serial numbers asked for, as typed; an empty increment keeps the project's.
struct SerialAsk {
  std::string start, end, increment;
};

enum class RunKind { Plain, Merge, Serial };

struct ExtendedRun {
  RunKind kind = RunKind::Plain;
  BatchOptions batch;
  MergeOptions merge;  // its between-rows lines and comment option serve the serial run as well
  SerialAsk serial;
  bool check = false;  // read every NC file back and compare it with its tool path
};

// Text path and tool path (or the merge, or the serial numbers), NC code, picture; then the check.
BatchReport RunExtendedBatch(Job& job, const ExtendedRun& run);

// One NC file per row, as the NC-code generator stands (machine, macros, tolerances): the row's file
// goes beside ncFile, named from the row, with ncFile's extension.  With check each file is read back
// as soon as it is written.
RowFinished PostEachRow(NcGenerator& generator, const std::string& ncFile, bool check);

}  // namespace quill
