// Bits of a strip, most significant first, for the LZW and CCITT decoders.  Past the end of the data it
// supplies zero bits and remembers that it did, so a decoder finds out with one test per row.
//
// A BitReader is a small value that keeps its own copy of the window's bounds: a hot loop copies it into
// a local, so that the bytes it writes cannot make the compiler reload the reader's state from memory,
// and stores it back afterwards.  Such a loop calls TopUp once per code and then takes up to 56 bits
// without further tests.
#pragma once

#include <cstdint>

#include "container/strip_source.h"

namespace quill::tiff {

class BitReader {
 public:
  explicit BitReader(StripSource& source) : src_(&source) {}

  // Forgets buffered bits (a new strip starts).
  void Reset() {
    acc_ = 0;
    avail_ = padding_ = 0;
    cur_ = end_ = nullptr;
  }

  // At least 56 bits buffered afterwards.
  void TopUp() {
    if (end_ - cur_ >= 8) {
      const uint8_t* p = cur_;
      const uint64_t word = uint64_t{p[0]} << 56 | uint64_t{p[1]} << 48 | uint64_t{p[2]} << 40 |
                            uint64_t{p[3]} << 32 | uint64_t{p[4]} << 24 | uint64_t{p[5]} << 16 |
                            uint64_t{p[6]} << 8 | p[7];
      acc_ |= word >> avail_;
      cur_ += (63 - avail_) >> 3;
      avail_ |= 56;
      return;
    }
    if (avail_ < 56) FillSlowly();
  }

  // The next n bits (1 to 32) without consuming them.
  uint32_t Peek(int n) {
    if (avail_ < n) TopUp();
    return Buffered(n);
  }
  // The next n bits, which TopUp has made available.
  uint32_t Buffered(int n) const { return static_cast<uint32_t>(acc_ >> (64 - n)); }
  void Skip(int n) {
    acc_ <<= n;
    avail_ -= n;
  }
  uint32_t Get(int n) {
    uint32_t v = Peek(n);
    Skip(n);
    return v;
  }
  // Drops the bits up to the next byte boundary.
  void AlignToByte() { Skip(avail_ & 7); }
  // True once bits beyond the end of the data have been consumed.
  bool Overrun() const { return avail_ < padding_; }
  // True when every bit left is padding.
  bool AtEnd() {
    if (avail_ <= padding_) TopUp();
    return avail_ <= padding_;
  }

 private:
  // Byte by byte near the end of the data, refilling the window and padding past its end.
  void FillSlowly() {
    StripSource& src = *src_;
    src.cur = cur_;
    while (avail_ < 56) {
      if (src.cur == src.end && !src.Refill()) {
        padding_ += 8;
      } else {
        acc_ |= uint64_t{*src.cur++} << (56 - avail_);
      }
      avail_ += 8;
    }
    cur_ = src.cur;
    end_ = src.end;
  }

  StripSource* src_;
  uint64_t acc_ = 0;  // the next bits, left-aligned
  int avail_ = 0;     // bits in acc_
  int padding_ = 0;   // zero bits added past the end of the data
  const uint8_t* cur_ = nullptr;
  const uint8_t* end_ = nullptr;
};

}  // namespace quill::tiff
