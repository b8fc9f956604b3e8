// Writes a text work file line by line through one buffer, each line ended by carriage return and line
// feed.  The cutter-location and artwork writers put their records through it.
#pragma once

#include <cstdio>
#include <string>

namespace quill {

class LineWriter {
 public:
  LineWriter() = default;
  ~LineWriter() { Close(); }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // append: add to the end (the file is created when missing); otherwise start from empty.
  bool Open(const std::string& path, bool append);
  bool IsOpen() const { return file_ != nullptr; }
  void Put(const std::string& line);
  // A line of n characters (the records' writers format into buffers of their own).
  void PutText(const char* text, size_t n);
  // False when a line could not be written (disk full ...).
  bool Close();
  // Lines put since Open.
  long Count() const { return count_; }

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  long count_ = 0;
};

}  // namespace quill
