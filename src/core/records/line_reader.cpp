#include "records/line_reader.h"

#include <algorithm>
#include <cstring>

namespace quill {

namespace {
constexpr size_t BufferSize = 1 << 16;
}

LineReader::LineReader(const std::string& path, size_t cap) : cap_(cap) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_) buffer_.resize(BufferSize);
}

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

bool LineReader::Refill() {
  pos_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  return end_ > 0;
}

// Lines are found a buffer at a time: a work file holds millions of them.
bool LineReader::Next(std::string& line) {
  line.clear();
  if (!file_) return false;
  bool any = false;
  while (pos_ < end_ || Refill()) {
    any = true;
    const char* from = buffer_.data() + pos_;
    const auto* feed = static_cast<const char*>(std::memchr(from, '\n', end_ - pos_));
    const size_t length = feed ? static_cast<size_t>(feed - from) : end_ - pos_;
    line.append(from, std::min(length, cap_ - std::min(cap_, line.size())));
    pos_ += length;
    if (feed) {
      ++pos_;
      break;
    }
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++lineNumber_;
  return true;
}

}  // namespace quill
