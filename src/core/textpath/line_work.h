// The current line of text while it is built.  Every layout step reads the line from the start and
// writes what replaces it.  A line of ordinary length is held in memory; a line of thousands of
// characters goes to the work files QMLINE.TMP and QMLINE1.TMP instead, so that no text is too long to
// lay out (each step then writes QMLINE1.TMP and copies it back).  The files are opened when first
// needed and rewritten in place.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "records/textpath_record.h"

namespace quill {

class LineWork {
 public:
  // Lines of more characters than this are laid out in the work files.
  static constexpr size_t MemoryChars = 4096;

  LineWork(const std::string& lineFile, const std::string& line1File);
  ~LineWork();
  LineWork(const LineWork&) = delete;
  LineWork& operator=(const LineWork&) = delete;

  // Empties the line for one of `chars` characters; Writer() then appends to it.  False when the work
  // files it needs cannot be opened.
  bool Clear(size_t chars = 0);
  TextPathWriter Writer();

  // One step: each record of the line goes through step, which writes what replaces it.
  using Step = std::function<void(const TextPathRecord& rec, TextPathWriter& out)>;
  bool Transform(const Step& step);

  // A pass that only reads the line.
  void ForEach(const std::function<void(const TextPathRecord&)>& visit);

  // Appends the line's records to out.
  void AppendTo(TextPathWriter& out);

  // The line's records, and the line made of these (the layout's reuse of lines laid out before).
  std::vector<TextPathRecord> Records();
  void Assign(const std::vector<TextPathRecord>& records);

 private:
  bool OpenFiles();
  bool TransformFiles(const Step& step);

  std::string lineFile_, line1File_;
  std::FILE* line_ = nullptr;
  std::FILE* line1_ = nullptr;
  bool inFiles_ = false;  // the line lies in the work files, not in memory
  std::vector<TextPathRecord> records_, next_;
};

// Appends every record of one file to another (the new lines after the kept text).
void AppendRecords(const std::string& from, TextPathWriter& to);

// Rewinds a work file and cuts it to its current write position.
bool CutAtPosition(std::FILE* file);

}  // namespace quill
