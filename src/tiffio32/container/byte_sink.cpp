// The writer's output buffer.
#include "container/byte_sink.h"

#include <cstring>

namespace quill::tiff {

void ByteSink::Put(const uint8_t* bytes, size_t n) {
  uint8_t* p = Reserve(n);
  if (n > 0) std::memcpy(p, bytes, n);
  Commit(p + n);
}

void ByteSink::Flush() {
  if (used_ > 0 && ok_) ok_ = io_.Write(start_, buffer_.data(), used_);
  start_ += used_;
  used_ = 0;
}

void ByteSink::Grow(size_t n) {
  Flush();
  if (buffer_.size() < n) buffer_.resize(n);
}

}  // namespace quill::tiff
