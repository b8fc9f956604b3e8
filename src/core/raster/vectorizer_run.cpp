#include "raster/vectorizer_run.h"

#include <cstring>

#include "raster/child_process.h"
#include "records/line_reader.h"
#include "ui/ui.h"

namespace quill {

namespace {

std::string Trimmed(std::string s) {
  size_t b = s.find_first_not_of(" \t\r");
  size_t e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

void ReportFailure(Ui& ui, const VectorizerChoice& choice, const ChildResult& r) {
  std::string who = "The vectorizer [" + choice.program + "]";
  std::string text;
  switch (r.status) {
    case ChildResult::NotStarted:
      text = who + " cannot be started (" + std::string(std::strerror(r.error)) +
             ").\nName the vectorizer in QUILLMAR.INI, section DEFAULTS, key VECTORIZER.";
      break;
    case ChildResult::TimedOut:
      text = who + " did not finish within " + std::to_string(choice.timeoutSeconds) + " seconds and was stopped.";
      break;
    case ChildResult::Killed: text = who + " stopped unexpectedly (status " + std::to_string(r.exitCode) + ")."; break;
    default: text = who + " failed (status " + std::to_string(r.exitCode) + ")."; break;
  }
  std::string tail = TailLines(r.output, 6);
  if (!tail.empty() && r.status != ChildResult::NotStarted) text += "\n" + tail;
  ui.Error(text);
}

}  // namespace

VectorizerOutcome RunVectorizer(Ui& ui, const VectorizerChoice& choice, const std::string& paramFile,
                                const std::string& folder) {
  ChildRun run;
  run.argv = {choice.program, paramFile};
  run.folder = folder;
  run.timeoutSeconds = choice.timeoutSeconds;
  ChildResult r = RunWithProgress(ui, run, "Raster to Vector");
  if (r.status == ChildResult::Cancelled) return VectorizerOutcome::Cancelled;
  if (r.Succeeded()) return VectorizerOutcome::Done;
  ReportFailure(ui, choice, r);
  return VectorizerOutcome::Failed;
}

bool LooksLikeDxf(const std::string& path) {
  LineReader in(path, 256);
  std::string line;
  while (in.Next(line)) {
    line = Trimmed(line);
    if (line.empty()) continue;
    // Comments (group 999) may come first.
    if (line == "999") {
      in.Next(line);
      continue;
    }
    if (line != "0") return false;
    return in.Next(line) && Trimmed(line) == "SECTION";
  }
  return false;
}

}  // namespace quill
