// The unattended run's additions on the toolbox's command line: --data (with --per-row-nc, --array,
// --header, --no-header, --separator), --serial, --between, --no-comment and --check.
#pragma once

#include <string>

#include "app/merge/merge_batch.h"
#include "commands.h"

namespace quill {
class BatchUi;
class Job;
}  // namespace quill

namespace quill::cli {

struct RunExtras {
  ExtendedRun run;    // kind Plain with check off: none of the additions was asked for
  Words rest;         // the words left for the run's own options
  std::string error;  // bad usage
  bool Any() const { return run.kind != RunKind::Plain || run.check; }
};

// Takes the additions out of the words.
RunExtras TakeRunExtras(const Words& words);

// The run with its additions and the close of the job; the exit status as the plain run gives it.
int FinishExtendedRun(Job& job, BatchUi& ui, ExtendedRun run, const BatchOptions& options);

}  // namespace quill::cli
