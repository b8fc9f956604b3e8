// Encoded bytes on their way to the file: collected in a 32 KB buffer and written out when it fills and
// at every strip end.  A failed write is remembered; the writer checks ok() once a strip is done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "container/tiff_io.h"

namespace quill::tiff {

class ByteSink {
 public:
  ByteSink(TiffIo& io, uint64_t start) : io_(io), start_(start) { buffer_.resize(kIoPiece); }

  // Room for at least n more bytes; write them at the returned address, then Commit the end.
  uint8_t* Reserve(size_t n) {
    if (buffer_.size() - used_ < n) Grow(n);
    return buffer_.data() + used_;
  }
  void Commit(const uint8_t* end) { used_ = static_cast<size_t>(end - buffer_.data()); }
  void Put(const uint8_t* bytes, size_t n);

  // Writes out what is buffered.
  void Flush();
  // File offset of the next byte.
  uint64_t Position() const { return start_ + used_; }
  bool ok() const { return ok_; }

 private:
  void Grow(size_t n);

  TiffIo& io_;
  uint64_t start_;  // file offset of buffer_[0]
  std::vector<uint8_t> buffer_;
  size_t used_ = 0;
  bool ok_ = true;
};

// Codes of up to 25 bits, most significant bit first, into bytes reserved in a sink.  Bits left over at
// the end of a row stay pending for the next one.
class BitWriter {
 public:
  void Attach(uint8_t* out) { out_ = out; }
  uint8_t* Detach() { return out_; }

  void Put(uint32_t code, int bits) {
    acc_ = acc_ << bits | code;
    count_ += bits;
    while (count_ >= 8) {
      count_ -= 8;
      *out_++ = static_cast<uint8_t>(acc_ >> count_);
    }
  }
  // Zero bits up to the next byte boundary.
  void PadToByte() {
    if (count_ > 0) Put(0, 8 - count_);
  }
  bool Aligned() const { return count_ == 0; }

 private:
  uint8_t* out_ = nullptr;
  uint64_t acc_ = 0;
  int count_ = 0;
};

}  // namespace quill::tiff
