// quill render PROJECT.QLM -o OUT.{png,svg,pdf,emf} [--size WxH]: the picture of the job after the
// unattended run's stages (text path, tool path), framed by the job's extents, drawn as Copy Metafile
// draws it.  Painting needs Qt, so this is a module of its own that `quill render` loads; its one
// exported symbol is the entry at the end.
#include <cstdio>
#include <string>

#include "app/program.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "qtcanvas/picture_app.h"
#include "qtcanvas/picture_file.h"
#include "ui/batch_ui.h"
#include "view/main_view.h"
#include "view/picture.h"

namespace quill::cli {

namespace {

constexpr int kLargest = 16384;

bool ParseSize(const std::string& text, int& width, int& height) {
  auto x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  std::string_view w(text.data(), x), h(text.data() + x + 1, text.size() - x - 1);
  auto a = ReadInt(w), b = ReadInt(h);
  if (!a || !b || !w.empty() || !h.empty() || *a < 16 || *b < 16 || *a > kLargest || *b > kLargest) return false;
  width = static_cast<int>(*a);
  height = static_cast<int>(*b);
  return true;
}

// The job's picture after the unattended run's stages; false when a stage failed or the picture could
// not be written.  The work files go with the job on every way out.
bool RenderJob(Job& job, const std::string& project, const std::string& out, int width, int height) {
  ProcessCommandLine(job, {project, "-r"});  // as the unattended run: the recent list stays
  bool done = false;
  if (job.paths.ProjectFile.empty()) {
    std::fprintf(stderr, "quill: cannot read the project %s\n", project.c_str());
  } else {
    bool failed = RunTextPathStage(job) == StageStatus::Failed;
    failed |= RunToolPathStage(job) == StageStatus::Failed;
    ComputeJobExtents(job);
    PictureApplication app;
    done = WritePictureFile(job, out, width, height) && !failed;
  }
  CloseMainWindow(job);
  DestroyMainWindow(job);
  return done;
}

int RenderPicture(const Words& words) {
  Words w = words;
  for (auto& word : w) {
    if (word == "-o") word = "--output";
  }
  Args a = ParseArgs(w, {"output", "size"});
  if (!a.error.empty()) return UsageError(a.error, RenderUsage);
  if (a.positional.size() != 1) return UsageError("one project file is needed", RenderUsage);
  std::string out = a.Option("output");
  if (out.empty()) return UsageError("-o OUT is needed", RenderUsage);
  if (PictureFormatOf(out) == PictureFormat::Unknown) {
    return UsageError("pictures are written as .png, .svg, .pdf or .emf", RenderUsage);
  }
  int width = MetafileWidth, height = MetafileHeight;
  if (a.options.count("size") && !ParseSize(a.Option("size"), width, height)) {
    return UsageError("--size takes WIDTHxHEIGHT in pixels, 16 to 16384 each", RenderUsage);
  }
  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  return RenderJob(job, a.positional[0], out, width, height) ? ExitOk : ExitError;
}

}  // namespace

}  // namespace quill::cli

// argv[0] names the command; the words after it are the command's.
extern "C" __attribute__((visibility("default"))) int quill_render_main(int argc, char** argv) {
  return quill::cli::RenderPicture(quill::cli::Words(argv + 1, argv + argc));
}
