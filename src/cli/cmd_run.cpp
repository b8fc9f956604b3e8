// quill run PROJECT.QLM [--nc FILE] [--machine NAME]: the unattended run.
#include <cstdio>

#include "app/program.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "ui/batch_ui.h"

namespace quill::cli {

int CmdRun(const Words& words) {
  Args a = ParseArgs(words, {"nc", "machine"});
  if (!a.error.empty()) return UsageError(a.error, RunUsage);
  if (a.positional.size() != 1) return UsageError("one project file is needed", RunUsage);
  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  ProcessCommandLine(job, {a.positional[0], "-r"});
  if (job.paths.ProjectFile.empty()) {
    std::fprintf(stderr, "quill: cannot read the project %s\n", a.positional[0].c_str());
    return ExitError;
  }
  return FinishBatch(job, ui, {a.Option("nc"), a.Option("machine")});
}

}  // namespace quill::cli
