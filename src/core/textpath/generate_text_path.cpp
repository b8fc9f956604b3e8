#include "textpath/generate_text_path.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "textpath/character_source.h"
#include "textpath/line_layout.h"
#include "textpath/textpath_file.h"
#include "ui/ui.h"

namespace fs = std::filesystem;

namespace quill {

namespace {

constexpr const char* KeptTextFile = "frtemp.tmp";

long FileSize(const std::string& path) {
  std::error_code ec;
  auto n = fs::file_size(path, ec);
  return ec ? 0 : static_cast<long>(n);
}

// The kept text comes first; it goes back in front of whatever this run produced, also when the run
// stopped early, so no earlier text is ever lost.  False when the two could not be joined: the earlier
// text then stays in the kept file, and the caller says where.
bool MergeKeptText(const std::string& kept, const std::string& textPath) {
  TextPathWriter merged(kept, true);
  AppendRecords(textPath, merged);
  if (!merged.Close()) return false;
  std::error_code ec;
  fs::rename(kept, textPath, ec);
  return !ec;
}

}  // namespace

bool TextIsEmpty(const std::vector<std::string>& text) {
  return std::all_of(text.begin(), text.end(), [](const std::string& line) { return line.empty(); });
}

TextPathOutcome GenerateTextPath(Job& job, bool keepExisting) {
  Ui& ui = job.ui;
  const JobPaths& paths = job.paths;
  std::unique_ptr<CharacterSource> source = OpenCharacterSource(job);
  if (!source) return TextPathOutcome::Stopped;
  if (TextIsEmpty(job.text)) {
    ui.Error("No text specified");
    return TextPathOutcome::Stopped;
  }
  std::string kept = paths.ExeDir + KeptTextFile;
  std::error_code ec;
  keepExisting = keepExisting && FileSize(paths.TextPathFileName) >= static_cast<long>(TextPathRecordSize);
  if (keepExisting) fs::rename(paths.TextPathFileName, kept, ec);
  if (ec) keepExisting = false;

  TextPathWriter out(paths.TextPathFileName);
  bool opened = out.IsOpen();
  ui.ClearStatus(StatusChannel::TextPathConsole);
  LineWork line(paths.LineFile, paths.Line1File);
  ArcFitWorkFile arcFit(paths.ArcFitFile);
  LineLayout layout(job, *source, line, arcFit, nullptr);
  std::optional<ReferenceH> h;
  bool done = opened && layout.MeasureReference(h) && layout.Lines(out);
  // A text path cut short by a full disk would be cut as if it were the whole text.
  if (!out.Close() || !opened) {
    ui.Error("Text Path File write error [" + paths.TextPathFileName + "]");
    done = false;
  }
  if (keepExisting && !MergeKeptText(kept, paths.TextPathFileName)) {
    ui.Error("Text Path File write error [" + kept + "]");
    done = false;
  }
  return done ? TextPathOutcome::Generated : TextPathOutcome::Stopped;
}

TextPathOutcome GenerateAndShowTextPath(Job& job, bool keepExisting) {
  TextPathOutcome outcome = GenerateTextPath(job, keepExisting);
  job.flags.TextPathGenerated = true;
  WorldWindow& w = job.view.ViewWindow;
  TextPathExtents(job, w.Xmin, w.Ymin, w.Xmax, w.Ymax, true, true);
  return outcome;
}

}  // namespace quill
