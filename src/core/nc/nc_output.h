// The NC file being written: plain lines and blocks under the block rule (sequence number in front when
// the machine numbers its blocks, "$" behind on a Bendix mill).  The file replaces the old one only when
// the run completes, so a run that stops on bad input leaves the previous program as it was.
#pragma once

#include <string>

#include "records/atomic_file.h"

namespace quill {

class NcOutput {
 public:
  explicit NcOutput(const std::string& path) : file_(path) {}

  bool IsOpen() const { return file_.IsOpen(); }

  // A line as it stands (DXF groups, EZ-Track and listing lines).
  void Line(const std::string& text);
  // A block: "N" + the sequence number in front when numbering is on; "$" behind on a Bendix mill.
  void Block(const std::string& text);
  // A numbered line that never gets "$" (macro lines, rotary enter and leave around rapids).
  void NumberedLine(const std::string& text);

  // Makes the file the NC file; false when anything could not be written.
  bool Commit() { return file_.Commit(); }
  // The lines written so far: the program's blocks.
  long Lines() const { return lines_; }

  bool numbered = false;    // SEQOUT
  bool dollar = false;      // a Bendix mill
  long long sequence = 10;  // the next N number
  long long step = 10;      // added after each N number; EZ-Track and listings count their lines in it

 private:
  std::string Numbered(const std::string& text);
  AtomicFile file_;
  long lines_ = 0;
};

}  // namespace quill
