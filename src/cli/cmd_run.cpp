// quill run PROJECT.QLM [--nc FILE] [--machine NAME] ...: the unattended run with the tool path's choices
// (cmd_run_options.h) and its additions (run_extras.h).
#include <cstdio>

#include "app/program.h"
#include "cli_args.h"
#include "cmd_run_options.h"
#include "commands.h"
#include "job/job.h"
#include "run_extras.h"
#include "ui/batch_ui.h"

namespace quill::cli {

int CmdRun(const Words& words) {
  RunExtras extras = TakeRunExtras(words);
  BatchOptions options;
  bool scanArea = false;
  std::string error = extras.error;
  if (error.empty()) error = TakeScanArea(extras.rest, options.toolPath, scanArea);
  Args a = ParseArgs(extras.rest, RunValueOptions);
  if (error.empty()) error = a.error;
  if (error.empty()) error = ReadToolPathChoices(a, scanArea, options.toolPath);
  // A data merge and a serial run cut every row as the tool path dialog's defaults do.
  if (error.empty() && extras.run.kind != RunKind::Plain && ChoicesMade(options.toolPath)) {
    error = "--data and --serial cut with the tool path's defaults: --source, --carve and --project-surface go alone";
  }
  if (!error.empty()) return UsageError(error, RunUsage);
  if (a.positional.size() != 1) return UsageError("one project file is needed", RunUsage);
  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  ProcessCommandLine(job, {a.positional[0], "-r"});
  if (job.paths.ProjectFile.empty()) {
    std::fprintf(stderr, "quill: cannot read the project %s\n", a.positional[0].c_str());
    CloseMainWindow(job);
    DestroyMainWindow(job);
    return ExitError;
  }
  options.ncFile = a.Option("nc");
  options.machine = a.Option("machine");
  if (extras.Any()) return FinishExtendedRun(job, ui, extras.run, options);
  return FinishBatch(job, ui, options);
}

}  // namespace quill::cli
