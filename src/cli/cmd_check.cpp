// quill check NCFILE --machine NAME [--cl CLFILE]: the NC self-check of a written program, read back for
// a machine of QPOSTS.INI and compared with its cutter-location file.
#include <cstdio>

#include "app/home.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "nc/check/check_written.h"
#include "nc/machine_list.h"
#include "nc/posts_file.h"
#include "project/profile.h"
#include "ui/batch_ui.h"

namespace quill::cli {

int CmdCheck(const Words& words) {
  Args a = ParseArgs(words, {"machine", "cl"});
  if (!a.error.empty()) return UsageError(a.error, CheckUsage);
  if (a.positional.size() != 1) return UsageError("one NC file is needed", CheckUsage);
  if (a.Option("machine").empty()) return UsageError("--machine is needed", CheckUsage);
  BatchUi ui;
  Job job(ui);
  // The check reads and writes no work file: it needs only where the machines are.
  BuildWorkFilePaths(job.paths, "", FindDataDir(ExecutableDir()));
  job.paths.PostsIniFile = UserPostsIniPath();
  const std::string posts = PostsFileToRead(job.paths);
  const std::vector<std::string> machines = ReadMachineList(ProfileFile(posts));
  const int at = FindMachine(machines, a.Option("machine"));
  if (at < 0) {
    std::fprintf(stderr, "quill: machine \"%s\" is not set up in %s\n", a.Option("machine").c_str(), posts.c_str());
    return ExitError;
  }
  const std::string& machine = machines[static_cast<size_t>(at)];
  return CheckWrittenProgram(job, a.positional[0], machine, a.Option("cl")) ? ExitOk : ExitError;
}

}  // namespace quill::cli
