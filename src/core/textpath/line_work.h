// The current line of text while it is built: QMLINE.TMP.  Every layout step reads it from the start,
// writes its result to QMLINE1.TMP and copies that back, so a line never has to fit in memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "records/textpath_record.h"

namespace quill {

class LineWork {
 public:
  LineWork(std::string lineFile, std::string line1File)
      : lineFile_(std::move(lineFile)), line1File_(std::move(line1File)) {}

  const std::string& LineFile() const { return lineFile_; }

  // Empties QMLINE.TMP.
  bool Clear() const;

  // One step: each record of the line goes through step, which writes what replaces it.
  using Step = std::function<void(const TextPathRecord& rec, TextPathWriter& out)>;
  bool Transform(const Step& step) const;

  // A pass that only reads the line.
  void ForEach(const std::function<void(const TextPathRecord&)>& visit) const;

 private:
  std::string lineFile_;
  std::string line1File_;
};

// Appends every record of one file to another (the finished line to QMBF.TMP, the fitted arcs into the
// line).  False when the target cannot be written.
bool AppendRecords(const std::string& from, TextPathWriter& to);

}  // namespace quill
