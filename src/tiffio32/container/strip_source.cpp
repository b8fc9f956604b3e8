// Strip data windows.
#include "container/strip_source.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quill::tiff {
namespace {

const std::array<uint8_t, 256>& ReversedBytes() {
  static const std::array<uint8_t, 256> table = [] {
    std::array<uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      int r = 0;
      for (int i = 0; i < 8; ++i) r |= ((b >> i) & 1) << (7 - i);
      t[b] = static_cast<uint8_t>(r);
    }
    return t;
  }();
  return table;
}

}  // namespace

StripSource::StripSource(TiffIo& io, bool reverseBits) : io_(io), memory_(io.Data()), reverse_(reverseBits) {}

bool StripSource::Seek(uint32_t offset) {
  if (offset > io_.Size()) return false;
  next_ = offset;
  cur = end = nullptr;
  return true;
}

bool StripSource::Refill() {
  uint64_t size = io_.Size();
  if (next_ >= size) return false;
  if (memory_ != nullptr && !reverse_) {
    cur = memory_ + next_;
    end = memory_ + size;
    next_ = size;
    return true;
  }
  size_t n = static_cast<size_t>(std::min<uint64_t>(kIoPiece, size - next_));
  buffer_.resize(kIoPiece);
  if (!io_.Read(next_, buffer_.data(), n)) return false;
  if (reverse_) {
    const auto& table = ReversedBytes();
    for (size_t i = 0; i < n; ++i) buffer_[i] = table[buffer_[i]];
  }
  next_ += n;
  cur = buffer_.data();
  end = cur + n;
  return true;
}

bool StripSource::Take(uint8_t* out, size_t n) {
  while (n > 0) {
    if (cur == end && !Refill()) return false;
    size_t part = std::min(n, static_cast<size_t>(end - cur));
    std::memcpy(out, cur, part);
    cur += part;
    out += part;
    n -= part;
  }
  return true;
}

}  // namespace quill::tiff
