// quill render PROJECT.QLM -o OUT.{png,svg,pdf,emf} [--size WxH]: the picture of the job after the
// unattended run's stages (text path, tool path), framed by the job's extents, drawn as Copy Metafile
// draws it.
#include <cstdio>
#include <string>

#include "app/program.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "ui/batch_ui.h"
#include "view/main_view.h"
#include "view/picture.h"
#ifdef QUILL_HAVE_QTCANVAS
#include "canvas/picture_app.h"
#include "canvas/picture_file.h"
#endif

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

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

bool KnownFormat(const std::string& path) {
  std::string ext = Lower(path.size() > 4 ? path.substr(path.size() - 4) : "");
#ifdef QUILL_HAVE_QTCANVAS
  return ext == ".png" || ext == ".svg" || ext == ".pdf" || ext == ".emf";
#else
  return ext == ".emf";
#endif
}

bool WritePicture(Job& job, const std::string& path, int width, int height) {
#ifdef QUILL_HAVE_QTCANVAS
  PictureApplication app;
  return WritePictureFile(job, path, width, height);
#else
  return WriteMetafile(job, path, width, height);
#endif
}

}  // namespace

int CmdRender(const Words& words) {
  Words w = words;
  for (auto& word : w) {
    if (word == "-o") word = "--output";
  }
  Args a = ParseArgs(w, {"output", "size"});
  if (!a.error.empty()) return UsageError(a.error, RenderUsage);
  if (a.positional.size() != 1) return UsageError("one project file is needed", RenderUsage);
  std::string out = a.Option("output");
  if (out.empty()) return UsageError("-o OUT is needed", RenderUsage);
  if (!KnownFormat(out)) return UsageError("this build writes pictures as .png, .svg, .pdf or .emf", RenderUsage);
  int width = MetafileWidth, height = MetafileHeight;
  if (a.options.count("size") && !ParseSize(a.Option("size"), width, height)) {
    return UsageError("--size takes WIDTHxHEIGHT in pixels, 16 to 16384 each", RenderUsage);
  }
  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  ProcessCommandLine(job, {a.positional[0], "-r"});  // as the unattended run: the recent list stays
  if (job.paths.ProjectFile.empty()) {
    std::fprintf(stderr, "quill: cannot read the project %s\n", a.positional[0].c_str());
    CloseMainWindow(job);
    return ExitError;
  }
  bool failed = RunTextPathStage(job) == StageStatus::Failed;
  failed |= RunToolPathStage(job) == StageStatus::Failed;
  ComputeJobExtents(job);
  bool written = WritePicture(job, out, width, height);
  CloseMainWindow(job);
  DestroyMainWindow(job);
  return written && !failed ? ExitOk : ExitError;
}

}  // namespace quill::cli
