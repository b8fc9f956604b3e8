#include "app/program.h"

#include "app/home.h"
#include "job/job.h"
#include "ui/batch_ui.h"

namespace quill {

HomeArgs TakeHomeOption(const std::vector<std::string>& args) {
  HomeArgs out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--home") {
      if (i + 1 >= args.size()) {
        out.error = "--home needs a folder";
        return out;
      }
      out.home = args[++i];
    } else if (a.rfind("--home=", 0) == 0) {
      out.home = a.substr(7);
      if (out.home.empty()) out.error = "--home needs a folder";
    } else {
      out.rest.push_back(a);
    }
  }
  return out;
}

bool StartJob(Job& job, const std::string& homeOption, HomeInUse whenInUse) {
  std::string exeDir = ExecutableDir();
  HomeChoice home = ChooseHome(homeOption, exeDir);
  if (home.dir.empty()) {
    job.ui.Error(home.error);
    return false;
  }
  std::string workDir = TakeHome(job.ui, home.dir, whenInUse);
  if (workDir.empty()) return false;
  InitGlobals(job, workDir, FindDataDir(exeDir));
  if (workDir != home.dir) ReadFromHeldHome(job.paths, home.dir);
  job.paths.PostsIniFile = UserPostsIniPath();
  CreateMainWindowState(job);
  LoadEditorText(job);
  return true;
}

int FinishBatch(Job& job, BatchUi& ui, const BatchOptions& options) {
  BatchReport report = RunBatch(job, options);
  CloseMainWindow(job);
  DestroyMainWindow(job);
  return report.failed || ui.ProblemsReported() > 0 ? 1 : 0;
}

int RunHeadlessProgram(const std::vector<std::string>& args) {
  BatchUi ui;
  HomeArgs parsed = TakeHomeOption(args);
  if (!parsed.error.empty()) {
    ui.Error(parsed.error);
    return 2;
  }
  Job job(ui);
  if (!StartJob(job, parsed.home)) return 1;
  ProcessCommandLine(job, parsed.rest);
  if (!job.flags.BatchRun) {
    ui.Error("this build has no windows; run it with -r for the unattended run:\n"
             "  quillpro2008 [--home DIR] [FILE.QLM|FILE.DXF ...] -r");
    CloseMainWindow(job);
    DestroyMainWindow(job);
    return 2;
  }
  return FinishBatch(job, ui, {});
}

}  // namespace quill
