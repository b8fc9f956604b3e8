#include "project/project_lines.h"

#include <algorithm>
#include <cstring>

namespace quill {
namespace {

constexpr char kCtrlZ = 26;

}  // namespace

ProjectLineReader::ProjectLineReader(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
}

ProjectLineReader::~ProjectLineReader() {
  if (file_) std::fclose(file_);
}

bool ProjectLineReader::Fill() {
  if (pos_ < size_) return true;
  if (ended_ || !file_) return false;
  size_ = std::fread(buffer_, 1, sizeof buffer_, file_);
  pos_ = 0;
  if (size_ == 0) ended_ = true;
  return size_ > 0;
}

bool ProjectLineReader::AtEnd() {
  if (!Fill()) return true;
  if (buffer_[pos_] == kCtrlZ) ended_ = true, size_ = pos_;
  return ended_ && pos_ >= size_;
}

bool ProjectLineReader::Next(std::string& line) {
  line.clear();
  if (AtEnd()) return false;
  while (Fill()) {
    const char* start = buffer_ + pos_;
    size_t n = size_ - pos_;
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', n));
    const char* z = static_cast<const char*>(std::memchr(start, kCtrlZ, cr ? static_cast<size_t>(cr - start) : n));
    const char* stop = z ? z : cr;
    size_t take = stop ? static_cast<size_t>(stop - start) : n;
    line.append(start, std::min(take, LineCap - std::min(LineCap, line.size())));
    pos_ += take;
    if (z) {
      ended_ = true;
      size_ = pos_;
      return true;
    }
    if (cr) {
      ++pos_;
      if (Fill() && buffer_[pos_] == '\n') ++pos_;
      return true;
    }
  }
  return true;
}

}  // namespace quill
