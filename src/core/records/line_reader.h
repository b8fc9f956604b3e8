// Reads a text work file line by line through one buffer.  Lines end at a line feed (a carriage return
// before it is dropped).  A line longer than the cap is cut there and the rest of it skipped, so a
// damaged file cannot make the program swallow gigabytes into one string.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quill {

class LineReader {
 public:
  static constexpr size_t DefaultCap = 64 * 1024;

  explicit LineReader(const std::string& path, size_t cap = DefaultCap);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // The next line without its ending; false at the end of the file.
  bool Next(std::string& line);
  long LineNumber() const { return lineNumber_; }

 private:
  bool Refill();

  std::FILE* file_ = nullptr;
  size_t cap_;
  long lineNumber_ = 0;
  std::vector<char> buffer_;
  size_t pos_ = 0, end_ = 0;  // the part of the buffer not yet read
};

}  // namespace quill
