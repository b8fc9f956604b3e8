// Any bytes as the data file of a merge: the spreadsheet read, every row filled into a two-line text
// with a named and a numbered field, checked against the font and given a file name of its own.
#include <cstddef>
#include <cstdint>

#include "fuzz_job.h"
#include "toolpath/merge/merge_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  fuzz::FuzzJob f(true);
  Job& job = f.job;
  job.paths.EngraveFontFile = "SIMPLEX.QXF";
  job.text = {"{Name} {2}", "No. {1}"};
  MergeOptions options;
  options.dataFile = fuzz::InputFile("DATA.CSV", data, size);
  options.header = size % 3 == 0 ? HeaderRow::Auto : size % 3 == 1 ? HeaderRow::Yes : HeaderRow::No;
  options.perRowColumn = size % 2 == 0 ? "Name" : "";
  MergeData rows;
  if (!PrepareMergeRows(job, options, rows)) return 0;
  if (static_cast<long>(rows.rows.size() + rows.problems.size()) > rows.dataRows) __builtin_trap();
  for (const MergeRow& row : rows.rows) {
    if (row.text.size() < 2 || (!options.perRowColumn.empty() && row.fileStem.empty())) __builtin_trap();
  }
  return 0;
}
