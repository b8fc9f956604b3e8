// quill run PROJECT.QLM [--nc FILE] [--machine NAME] ...: the unattended run (run_extras.h: its additions).
#include <cstdio>

#include "app/program.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "run_extras.h"
#include "ui/batch_ui.h"

namespace quill::cli {

int CmdRun(const Words& words) {
  RunExtras extras = TakeRunExtras(words);
  if (!extras.error.empty()) return UsageError(extras.error, RunUsage);
  Args a = ParseArgs(extras.rest, {"nc", "machine"});
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
  if (extras.Any()) return FinishExtendedRun(job, ui, extras.run, {a.Option("nc"), a.Option("machine")});
  return FinishBatch(job, ui, {a.Option("nc"), a.Option("machine")});
}

}  // namespace quill::cli
