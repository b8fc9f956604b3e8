#include "artwork/dxf_lines.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace quill {

namespace {
constexpr size_t BufferSize = 1 << 16;
}

bool DxfLines::OpenFile(const std::string& path) {
  Close();
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) return false;
  size_ = static_cast<uint64_t>(st.st_size);
  if (!buffer_) buffer_.reset(new char[BufferSize]);
  data_ = buffer_.get();
  return true;
}

void DxfLines::OpenText(std::string_view text) {
  Close();
  memory_ = true;
  data_ = text.data();
  len_ = text.size();
  size_ = text.size();
}

void DxfLines::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  memory_ = false;
  data_ = nullptr;
  pos_ = len_ = 0;
  lfAt_ = NoLineFeed;
  base_ = size_ = 0;
}

bool DxfLines::Refill() {
  if (!file_) return false;
  base_ += len_;
  pos_ = 0;
  lfAt_ = NoLineFeed;
  len_ = std::fread(buffer_.get(), 1, BufferSize, file_);
  return len_ > 0;
}

// Searched a block at a time rather than byte by byte: a damaged drawing may hold gigabytes without a
// line ending, and every pass over the file crosses them.  The next line feed is remembered, so a file
// whose lines end in a carriage return alone is not searched to the end of the buffer for each line.
size_t DxfLines::LineEnd() {
  if (lfAt_ < pos_ || lfAt_ > len_) {
    const void* lf = std::memchr(data_ + pos_, '\n', len_ - pos_);
    lfAt_ = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data_) : len_;
  }
  const void* cr = std::memchr(data_ + pos_, '\r', lfAt_ - pos_);
  return cr ? static_cast<size_t>(static_cast<const char*>(cr) - data_) : lfAt_;
}

bool DxfLines::Next(std::string& line) {
  line.clear();
  if (pos_ >= len_ && !Refill()) return false;
  for (;;) {
    size_t start = pos_;
    pos_ = LineEnd();
    if (line.size() < LineCap) line.append(data_ + start, std::min(pos_ - start, LineCap - line.size()));
    if (pos_ < len_) break;
    if (!Refill()) return true;  // the last line has no ending
  }
  char ending = data_[pos_++];
  if (ending == '\r' && (pos_ < len_ || Refill()) && data_[pos_] == '\n') ++pos_;
  return true;
}

void DxfLines::Rewind() {
  pos_ = 0;
  lfAt_ = NoLineFeed;
  if (!file_) return;
  std::rewind(file_);
  base_ = 0;
  len_ = 0;
}

}  // namespace quill
