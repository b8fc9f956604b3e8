// quill post CLFILE NCFILE --machine NAME [--startup M] [--shutdown M]: the post-processor alone, for a
// machine of QPOSTS.INI, with the home's preferences as the NC-code generator window uses them.
#include <cstdio>

#include "app/home.h"
#include "app/home_access.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "nc/nc_generator.h"
#include "nc/posts_file.h"
#include "ui/batch_ui.h"

namespace quill::cli {

namespace {

// The home's paths without the start-up's clean-up, which would delete the home's QUILLMAR.CL.  The
// home is locked all the same: the run writes the NC-code generator's preferences there.
bool SetUpPaths(Job& job, const std::string& homeOption) {
  std::string exeDir = ExecutableDir();
  HomeChoice home = ChooseHome(homeOption, exeDir);
  if (home.dir.empty()) {
    std::fprintf(stderr, "quill: %s\n", home.error.c_str());
    return false;
  }
  if (TakeHome(job.ui, home.dir, HomeInUse::Refuse).empty()) return false;
  BuildWorkFilePaths(job.paths, home.dir, FindDataDir(exeDir));
  job.paths.PostsIniFile = UserPostsIniPath();
  return true;
}

}  // namespace

int CmdPost(const Words& words) {
  Args a = ParseArgs(words, {"machine", "startup", "shutdown"});
  if (!a.error.empty()) return UsageError(a.error, PostUsage);
  if (a.positional.size() != 2) return UsageError("a CL file and an NC file are needed", PostUsage);
  if (a.Option("machine").empty()) return UsageError("--machine is needed", PostUsage);
  BatchUi ui;
  Job job(ui);
  if (!SetUpPaths(job, a.home)) return ExitError;
  NcGenerator generator(job);
  generator.Load();
  generator.SetNcFileName(a.positional[1]);
  generator.Show();
  if (!generator.SelectMachine(a.Option("machine"))) {
    std::fprintf(stderr, "quill: machine \"%s\" is not set up in %s\n", a.Option("machine").c_str(),
                 PostsFileToRead(job.paths).c_str());
    return ExitError;
  }
  generator.clFile = a.positional[0];
  generator.startupMacro = a.Option("startup", generator.startupMacro);
  generator.shutdownMacro = a.Option("shutdown", generator.shutdownMacro);
  return generator.Start() ? ExitOk : ExitError;
}

}  // namespace quill::cli
