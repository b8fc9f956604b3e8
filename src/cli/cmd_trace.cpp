// quill trace PICTURE -o OUT.dxf [--centerline] [--params FILE] [--page N]: the picture (a Windows
// bitmap or a page of a TIFF file) traced by the vectorizer the program uses, headless; --params takes
// the settings from a parameter file (qp2008.par), --centerline asks for centre lines.
// quill trace convert SX SY: the home's annotation file (QUILLPRO.ANT) converted into artwork lines
// as leaving the Scan/Trace/Convert window does, with the scale point entered as SX, SY.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/home.h"
#include "app/program.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "pixels/bmp.h"
#include "raster/parameter_file.h"
#include "raster/picture_file.h"
#include "raster/trace_conversion.h"
#include "raster/vectorizer_run.h"
#include "records/artwork_query.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"
#include "ui/batch_ui.h"

namespace quill::cli {

namespace {

// A folder of its own for the picture and the parameter file handed to the vectorizer, removed on
// every way out.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quill-trace-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern + "/";
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

int Fail(const std::string& text) {
  std::fprintf(stderr, "quill: %s\n", text.c_str());
  return ExitError;
}

int Convert(const Args& a) {
  std::optional<double> sx = StrictToDouble(a.positional[1]), sy = StrictToDouble(a.positional[2]);
  if (!sx || !sy) return UsageError("the scale point's X and Y must be numbers", TraceUsage);
  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  job.flags.ArtworkPresent = HasArtworkRecords(job.paths.ArtFileName);
  TraceConversion result = ConvertTracing(job, *sx, *sy);
  if (!result.ok) return ExitError;
  std::printf("%ld\n", result.lines);
  return ExitOk;
}

// The parameter file for the scratch folder: the operator's file as it stands (so options another
// vectorizer knows survive) or the default settings, naming the scratch picture and drawing, with
// centre lines when --centerline asks.
bool ParameterLines(const Args& a, std::vector<std::string>& lines) {
  bool centre = a.Has("centerline");
  if (!a.options.count("params")) {
    RasterToVectorSettings settings;
    settings.centerlines = centre;
    lines = ParameterFileLines(settings);
    return true;
  }
  VectorizerParameters params = ReadParameterFile(a.Option("params"));
  if (!params.Ok()) {
    Fail(params.error);
    return false;
  }
  LineReader in(a.Option("params"));
  std::string line;
  int names = 0;
  bool centreSaid = false;
  while (in.Next(line)) {
    bool option = !line.empty() && line[0] == '-', comment = line.empty() || line[0] == '#';
    if (!option && !comment && names < 2) line = names++ == 0 ? TracePictureName : TraceDrawingName;
    if (line.rfind("-centerline", 0) == 0 && centre) line = "-centerline lines", centreSaid = true;
    lines.push_back(line);
  }
  if (centre && !centreSaid) lines.emplace_back("-centerline lines");
  return true;
}

// The vectorizer's drawing checked and put in place whole.
int Deliver(const std::string& written, const std::string& out) {
  if (!LooksLikeDxf(written)) return Fail("the vectorizer's result is not a DXF drawing");
  std::error_code ec;
  std::filesystem::rename(written, out, ec);
  if (!ec) return ExitOk;
  FILE* in = std::fopen(written.c_str(), "rb");
  std::string text;
  if (in) {
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, n);
    std::fclose(in);
  }
  return in && WriteFileAtomically(out, text) ? ExitOk : Fail("cannot write " + out);
}

int Trace(const Args& a) {
  std::string out = a.Option("output");
  if (out.empty()) return UsageError("-o OUT.dxf is needed", TraceUsage);
  std::optional<double> page = StrictToDouble(a.Option("page", "1"));
  if (!page || *page < 1 || *page > 32767 || *page != static_cast<int>(*page)) {
    return UsageError("--page takes a page number from 1", TraceUsage);
  }
  std::vector<std::string> lines;
  if (!ParameterLines(a, lines)) return ExitError;
  PictureRead read = ReadPictureFile(a.positional[0], static_cast<int>(*page) - 1);
  if (!read.Ok()) return Fail(read.error);

  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  ScratchFolder scratch;
  if (scratch.Path().empty()) return Fail("cannot make a scratch folder");
  std::string paramFile = scratch.Path() + "qp2008.par";
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  if (!WriteBmp(scratch.Path() + TracePictureName, read.picture) || !WriteFileAtomically(paramFile, text)) {
    return Fail("cannot write to the scratch folder " + scratch.Path());
  }
  if (RunVectorizer(ui, ChooseVectorizer(job, ExecutableDir()), paramFile, scratch.Path()) != VectorizerOutcome::Done) {
    return ExitError;
  }
  return Deliver(scratch.Path() + TraceDrawingName, out);
}

}  // namespace

int CmdTrace(const Words& words) {
  Words w = words;
  for (auto& word : w) {
    if (word == "-o") word = "--output";
  }
  Args a = ParseArgs(w, {"output", "params", "page"});
  if (!a.error.empty()) return UsageError(a.error, TraceUsage);
  for (const std::string& flag : a.flags) {
    if (flag != "centerline") return UsageError("unknown option --" + flag, TraceUsage);
  }
  if (!a.positional.empty() && a.positional[0] == "convert") {
    if (a.positional.size() != 3) return UsageError("convert takes the scale point's X and Y", TraceUsage);
    return Convert(a);
  }
  if (a.positional.size() != 1) return UsageError("one picture to trace is needed", TraceUsage);
  return Trace(a);
}

}  // namespace quill::cli
