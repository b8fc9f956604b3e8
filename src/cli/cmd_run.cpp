// quill run PROJECT.QLM [--nc FILE] [--machine NAME] and the tool path's choices: the unattended run.
#include <cstdio>

#include "app/program.h"
#include "cli_args.h"
#include "cmd_run_options.h"
#include "commands.h"
#include "job/job.h"
#include "ui/batch_ui.h"

namespace quill::cli {

int CmdRun(const Words& words) {
  Words rest = words;
  BatchOptions options;
  bool scanArea = false;
  std::string error = TakeScanArea(rest, options.toolPath, scanArea);
  Args a = ParseArgs(rest, RunValueOptions);
  if (error.empty()) error = a.error;
  if (error.empty()) error = ReadToolPathChoices(a, scanArea, options.toolPath);
  if (!error.empty()) return UsageError(error, RunUsage);
  if (a.positional.size() != 1) return UsageError("one project file is needed", RunUsage);
  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  ProcessCommandLine(job, {a.positional[0], "-r"});
  if (job.paths.ProjectFile.empty()) {
    std::fprintf(stderr, "quill: cannot read the project %s\n", a.positional[0].c_str());
    return ExitError;
  }
  options.ncFile = a.Option("nc");
  options.machine = a.Option("machine");
  return FinishBatch(job, ui, options);
}

}  // namespace quill::cli
