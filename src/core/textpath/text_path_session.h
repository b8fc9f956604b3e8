// Text path generation for a run that lays out text after text with settings changed in between (the
// texts of a drawing being imported): each Generate does what GenerateTextPath(job, true) does and
// writes the same records, but the font stays open, its H measured, the text path file open, the lines
// in memory and lines of the same text and size come back laid out.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "textpath/arcfit_file.h"
#include "textpath/character_source.h"
#include "textpath/generate_text_path.h"
#include "textpath/line_cache.h"
#include "textpath/line_layout.h"
#include "textpath/line_work.h"

namespace quill {

class Job;

class TextPathSession {
 public:
  explicit TextPathSession(Job& job);
  TextPathSession(const TextPathSession&) = delete;
  TextPathSession& operator=(const TextPathSession&) = delete;

  // The job's text with the job's settings, after the text path there is (or in its place when the file
  // holds less than one record).
  TextPathOutcome Generate();
  // Closes the text path file; false (after "Text Path File write error", once) when a write failed.
  bool Finish();

 private:
  bool OpenSource();
  std::string SourceKey() const;
  TextPathOutcome WriteError();

  Job& job_;
  std::unique_ptr<CharacterSource> source_;
  std::string sourceKey_;
  std::optional<ReferenceH> reference_;
  LineWork line_;
  ArcFitWorkFile arcFit_;
  LineCache cache_;
  TextPathWriter out_;
  bool opened_ = false;
  bool reported_ = false;  // the write error has been shown
};

}  // namespace quill
