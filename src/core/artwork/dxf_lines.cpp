#include "artwork/dxf_lines.h"

#include <sys/stat.h>

#include <algorithm>

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
  base_ = size_ = 0;
}

bool DxfLines::Refill() {
  if (!file_) return false;
  base_ += len_;
  pos_ = 0;
  len_ = std::fread(buffer_.get(), 1, BufferSize, file_);
  return len_ > 0;
}

bool DxfLines::Next(std::string& line) {
  line.clear();
  if (pos_ >= len_ && !Refill()) return false;
  for (;;) {
    size_t start = pos_;
    while (pos_ < len_ && data_[pos_] != '\n' && data_[pos_] != '\r') ++pos_;
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
  if (!file_) return;
  std::rewind(file_);
  base_ = 0;
  len_ = 0;
}

}  // namespace quill
