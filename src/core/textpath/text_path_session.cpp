#include "textpath/text_path_session.h"

#include <filesystem>

#include "job/job.h"
#include "ui/ui.h"

namespace quill {

TextPathSession::TextPathSession(Job& job)
    : job_(job), line_(job.paths.LineFile, job.paths.Line1File), arcFit_(job.paths.ArcFitFile) {}

// What picks the characters' source; a change opens it again and forgets what it measured and laid out.
std::string TextPathSession::SourceKey() const {
  const EngravingSettings& s = job_.settings;
  if (s.BFONTTYPE != 0) return "T" + s.FONTNAME + (s.FONTBOLD ? "B" : "-") + (s.FONTITALICS ? "I" : "-");
  return "E" + job_.paths.FontDir + '\n' + job_.paths.DataDir + '\n' + job_.paths.EngraveFontFile;
}

bool TextPathSession::OpenSource() {
  std::string key = SourceKey();
  if (source_ && key == sourceKey_) return true;
  source_ = OpenCharacterSource(job_);
  sourceKey_ = std::move(key);
  reference_.reset();
  cache_.Clear();
  return source_ != nullptr;
}

TextPathOutcome TextPathSession::Generate() {
  Ui& ui = job_.ui;
  if (!OpenSource()) return TextPathOutcome::Stopped;
  if (TextIsEmpty(job_.text)) {
    ui.Error("No text specified");
    return TextPathOutcome::Stopped;
  }
  const std::string& path = job_.paths.TextPathFileName;
  if (!opened_) {
    // Less than one record is no text path to keep.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    out_.Open(path, !ec && size >= TextPathRecordSize);
    opened_ = true;
  }
  if (!out_.IsOpen() || out_.Failed()) return WriteError();
  ui.ClearStatus(StatusChannel::TextPathConsole);
  LineLayout layout(job_, *source_, line_, arcFit_, &cache_);
  const bool done = layout.MeasureReference(reference_) && layout.Lines(out_);
  // A text path cut short by a full disk would be cut as if it were the whole text.
  if (out_.Failed()) return WriteError();
  return done ? TextPathOutcome::Generated : TextPathOutcome::Stopped;
}

TextPathOutcome TextPathSession::WriteError() {
  if (!reported_) job_.ui.Error("Text Path File write error [" + job_.paths.TextPathFileName + "]");
  reported_ = true;
  return TextPathOutcome::Stopped;
}

bool TextPathSession::Finish() {
  if (!opened_ || out_.Close()) return true;
  WriteError();
  return false;
}

}  // namespace quill
