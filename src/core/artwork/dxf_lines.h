// The lines of a DXF drawing or of one of its blocks.  A drawing is read from its file through a buffer;
// a small block is read from memory.  Lines end at a line feed, a carriage return or the pair, so DOS,
// Unix and old Macintosh files read alike; a line longer than the cap is cut there and the rest of it
// passed over, so a damaged file never makes one string swallow the disk.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace quill {

class DxfLines {
 public:
  static constexpr size_t LineCap = 4096;

  DxfLines() = default;
  ~DxfLines() { Close(); }
  DxfLines(const DxfLines&) = delete;
  DxfLines& operator=(const DxfLines&) = delete;

  // False when the file is missing, unreadable or not a regular file (a device or a pipe never ends).
  bool OpenFile(const std::string& path);
  // Reads text held elsewhere, which must outlive the reading.
  void OpenText(std::string_view text);
  void Close();
  bool IsOpen() const { return file_ != nullptr || memory_; }

  // The next line without its ending; false at the end.
  bool Next(std::string& line);
  // Back to the first line.
  void Rewind();
  // Bytes of the file consumed so far, and the file's size (for progress).
  uint64_t Consumed() const { return base_ + pos_; }
  uint64_t Size() const { return size_; }

 private:
  static constexpr size_t NoLineFeed = static_cast<size_t>(-1);  // not searched yet
  bool Refill();
  size_t LineEnd();

  std::FILE* file_ = nullptr;
  bool memory_ = false;
  std::unique_ptr<char[]> buffer_;
  const char* data_ = nullptr;
  size_t pos_ = 0, len_ = 0;
  size_t lfAt_ = NoLineFeed;  // the next line feed at or after pos_ in the buffer, or len_ when none
  uint64_t base_ = 0, size_ = 0;
};

}  // namespace quill
