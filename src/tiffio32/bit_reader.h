// Bits of a strip, most significant first, for the LZW and CCITT decoders.  Past the end of the data it
// supplies zero bits and remembers that it did, so a decoder finds out with one test per row.
#pragma once

#include <cstdint>

#include "strip_source.h"

namespace quill::tiff {

class BitReader {
 public:
  explicit BitReader(StripSource& source) : src_(source) {}

  // Forgets buffered bits (a new strip starts).
  void Reset() {
    acc_ = 0;
    avail_ = 0;
    padding_ = 0;
  }

  // The next n bits (1 to 32) without consuming them.
  uint32_t Peek(int n) {
    if (avail_ < n) Fill();
    return static_cast<uint32_t>(acc_ >> (64 - n));
  }
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
    if (avail_ <= padding_) Fill();
    return avail_ <= padding_;
  }

 private:
  void Fill() {
    if (src_.end - src_.cur >= 8) {
      const uint8_t* p = src_.cur;
      uint64_t word = uint64_t{p[0]} << 56 | uint64_t{p[1]} << 48 | uint64_t{p[2]} << 40 | uint64_t{p[3]} << 32 |
                      uint64_t{p[4]} << 24 | uint64_t{p[5]} << 16 | uint64_t{p[6]} << 8 | p[7];
      acc_ |= word >> avail_;
      src_.cur += (63 - avail_) >> 3;
      avail_ |= 56;
      return;
    }
    while (avail_ <= 56) {
      if (src_.cur == src_.end && !src_.Refill()) {
        padding_ += 8;  // zero bits past the end
      } else {
        acc_ |= uint64_t{*src_.cur++} << (56 - avail_);
      }
      avail_ += 8;
    }
  }

  StripSource& src_;
  uint64_t acc_ = 0;
  int avail_ = 0;
  int padding_ = 0;
};

}  // namespace quill::tiff
