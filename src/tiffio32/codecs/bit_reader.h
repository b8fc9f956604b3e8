// Bits of a strip, most significant first, for the LZW and CCITT decoders.  Past the end of the data it
// supplies zero bits and remembers that it did, so a decoder finds out with one test per row.
//
// A BitReader is a small value: a hot loop copies it into a local, so that the bytes it writes cannot
// make the compiler reload the reader's state from memory, and stores it back afterwards.
#pragma once

#include <cstdint>

#include "container/strip_source.h"

namespace quill::tiff {

class BitReader {
 public:
  explicit BitReader(StripSource& source) : src_(&source) {}

  // Forgets buffered bits (a new strip starts).
  void Reset() { state_ = State{}; }

  // The next n bits (1 to 32) without consuming them.
  uint32_t Peek(int n) {
    if (state_.avail < n) Fill();
    return static_cast<uint32_t>(state_.acc >> (64 - n));
  }
  void Skip(int n) {
    state_.acc <<= n;
    state_.avail -= n;
  }
  uint32_t Get(int n) {
    uint32_t v = Peek(n);
    Skip(n);
    return v;
  }
  // Drops the bits up to the next byte boundary.
  void AlignToByte() { Skip(state_.avail & 7); }
  // True once bits beyond the end of the data have been consumed.
  bool Overrun() const { return state_.avail < state_.padding; }
  // True when every bit left is padding.
  bool AtEnd() {
    if (state_.avail <= state_.padding) Fill();
    return state_.avail <= state_.padding;
  }

 private:
  struct State {
    uint64_t acc = 0;  // the next bits, left-aligned
    int avail = 0;     // bits in acc
    int padding = 0;   // zero bits added past the end of the data
  };

  void Fill() {
    StripSource& src = *src_;
    if (src.end - src.cur >= 8) {
      const uint8_t* p = src.cur;
      uint64_t word = uint64_t{p[0]} << 56 | uint64_t{p[1]} << 48 | uint64_t{p[2]} << 40 | uint64_t{p[3]} << 32 |
                      uint64_t{p[4]} << 24 | uint64_t{p[5]} << 16 | uint64_t{p[6]} << 8 | p[7];
      state_.acc |= word >> state_.avail;
      src.cur += (63 - state_.avail) >> 3;
      state_.avail |= 56;
      return;
    }
    state_ = FillSlowly(src, state_);
  }

  // Byte by byte near the end of the data, refilling the window and padding past its end.
  static State FillSlowly(StripSource& src, State state) {
    while (state.avail <= 56) {
      if (src.cur == src.end && !src.Refill()) {
        state.padding += 8;
      } else {
        state.acc |= uint64_t{*src.cur++} << (56 - state.avail);
      }
      state.avail += 8;
    }
    return state;
  }

  StripSource* src_;
  State state_;
};

}  // namespace quill::tiff
