// Writes a text work file line by line through one large buffer of its own (work files run to
// gigabytes: the stream sees a few hundred kilobytes at a time), each line ended by carriage return and
// line feed.  The cutter-location and artwork writers put their records through it.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "records/atomic_file.h"

namespace quill {

class LineWriter {
 public:
  LineWriter() = default;
  ~LineWriter() { Close(); }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // append: add to the end (the file is created when missing); otherwise start from empty.
  bool Open(const std::string& path, bool append);
  // The same, but the lines go to a new file that replaces the old one at Close, so that a crash in
  // the middle leaves the old file whole.  An append starts the new file as a copy of the old.
  bool OpenReplacing(const std::string& path, bool append);
  bool IsOpen() const { return file_ != nullptr; }
  void Put(const std::string& line);
  // A line of n characters (the records' writers format into buffers of their own).
  void PutText(const char* text, size_t n);
  // False when a line could not be written (disk full ...); a replacing writer then leaves the old file.
  bool Close();
  // Lines put since Open.
  long Count() const { return count_; }

 private:
  void Restart();
  char* Room(size_t n);  // where n more characters go, the buffer written out first when full
  void Flush();

  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  std::unique_ptr<AtomicFile> replacing_;  // set while a replacing writer is open; owns file_
  bool failed_ = false;
  long count_ = 0;
};

}  // namespace quill
