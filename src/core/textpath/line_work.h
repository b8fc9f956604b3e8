// The current line of text while it is built: QMLINE.TMP.  Every layout step reads it from the start,
// writes its result to QMLINE1.TMP and copies that back, so a line never has to fit in memory.  Both
// files stay open for the whole run and are rewritten in place: truncating and rewriting a file costs
// the file system a flush every time, and a run rewrites them thousands of times.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "records/textpath_record.h"

namespace quill {

class LineWork {
 public:
  LineWork(const std::string& lineFile, const std::string& line1File);
  ~LineWork();
  LineWork(const LineWork&) = delete;
  LineWork& operator=(const LineWork&) = delete;

  bool IsOpen() const { return line_ && line1_; }

  // Empties QMLINE.TMP; Writer() then appends to it.
  bool Clear();
  TextPathWriter Writer() { return TextPathWriter(line_); }

  // One step: each record of the line goes through step, which writes what replaces it.
  using Step = std::function<void(const TextPathRecord& rec, TextPathWriter& out)>;
  bool Transform(const Step& step);

  // A pass that only reads the line.
  void ForEach(const std::function<void(const TextPathRecord&)>& visit);

  // Appends the line's records to out.
  void AppendTo(TextPathWriter& out);

 private:
  std::FILE* line_ = nullptr;
  std::FILE* line1_ = nullptr;
};

// Appends every record of one file to another (the new lines after the kept text).
void AppendRecords(const std::string& from, TextPathWriter& to);

// Rewinds a work file and cuts it to its current write position.
bool CutAtPosition(std::FILE* file);

}  // namespace quill
