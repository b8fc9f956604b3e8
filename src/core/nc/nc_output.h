// The NC file being written: plain lines and blocks under the block rule (sequence number in front when
// the machine numbers its blocks, "$" behind on a Bendix mill).  The file replaces the old one only when
// the run completes, so a run that stops on bad input leaves the previous program as it was.  Lines
// gather in one large buffer that goes to the file in few writes: a program runs to millions of blocks.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "records/atomic_file.h"

namespace quill {

class NcOutput {
 public:
  explicit NcOutput(const std::string& path);

  bool IsOpen() const { return file_.IsOpen(); }

  // A line as it stands (DXF groups, EZ-Track and listing lines).
  void Line(std::string_view text);
  // A block: "N" + the sequence number in front when numbering is on; "$" behind on a Bendix mill.
  void Block(std::string_view text);
  // A numbered line that never gets "$" (macro lines, rotary enter and leave around rapids).
  void NumberedLine(std::string_view text);
  // A block written in place, for the many short blocks of an arc cut as lines: OpenBlock puts the
  // sequence number and returns where up to room characters of words go, straight into the program;
  // CloseBlock ends the block after the words, at end, as Block would.  Nothing else may be written
  // between the two.
  char* OpenBlock(size_t room);
  void CloseBlock(char* end);

  // Makes the file the NC file; false when anything could not be written.
  bool Commit();
  // The lines written so far: the program's blocks.
  long Lines() const { return lines_; }

  bool numbered = false;    // SEQOUT
  bool dollar = false;      // a Bendix mill
  long long sequence = 10;  // the next N number
  long long step = 10;      // added after each N number; EZ-Track and listings count their lines in it

 private:
  void Number();
  void Append(std::string_view text);
  void EndLine();
  void LineDone();
  // Where n more characters go at the end of the buffer, written out first when they would not fit.
  char* Room(size_t n);
  void Flush();

  AtomicFile file_;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_;
  size_t used_ = 0;
  long lines_ = 0;
};

}  // namespace quill
