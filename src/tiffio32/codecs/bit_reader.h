// Bits of a strip, most significant first, for the LZW and CCITT decoders.  Past the end of the data it
// supplies zero bits and remembers that it did, so a decoder finds out with one test per row.
//
// A BitReader is a small value: a hot loop copies it into a local, so that the bytes it writes cannot
// make the compiler reload the reader's state from memory, and stores it back afterwards.  It keeps its
// own place in the strip source's window and goes back to the source only when the window runs out.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "container/strip_source.h"

namespace quill::tiff {

class BitReader {
 public:
  explicit BitReader(StripSource& source) : src_(&source) {}

  // Forgets buffered bits (a new strip starts; the source is sought afterwards).
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
  // Tops the buffered bits up to 56 or more without a test of how many there are: a hot loop calls it
  // before each code and then takes the code with Take, saving the branch that guessed wrong.
  void Refill() {
    if (state_.end - state_.cur >= 8 && state_.avail < 64) {
      FillFast();
    } else if (state_.avail <= 56) {
      FillSlowly();
    }
  }
  // The next n bits, which a Refill has made sure of, without consuming them.
  uint32_t Next(int n) const { return static_cast<uint32_t>(state_.acc >> (64 - n)); }
  // How many of the bits at hand are ones before the first zero.
  int LeadingOnes() const { return std::min(std::countl_one(state_.acc), state_.avail); }
  // The next n bits, which a Refill has made sure of.
  uint32_t Take(int n) {
    uint32_t v = static_cast<uint32_t>(state_.acc >> (64 - n));
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
    uint64_t acc = 0;              // the next bits, left-aligned
    int avail = 0;                 // bits in acc
    int padding = 0;               // zero bits added past the end of the data
    const uint8_t* cur = nullptr;  // the next byte of the source's window
    const uint8_t* end = nullptr;
  };

  void Fill() {
    if (state_.end - state_.cur >= 8) {
      FillFast();
    } else {
      FillSlowly();
    }
  }

  // Eight bytes are there and fewer than 64 bits: as many whole bytes as fit are added, leaving 56 to 63.
  void FillFast() {
    const uint8_t* p = state_.cur;
    uint64_t word = uint64_t{p[0]} << 56 | uint64_t{p[1]} << 48 | uint64_t{p[2]} << 40 | uint64_t{p[3]} << 32 |
                    uint64_t{p[4]} << 24 | uint64_t{p[5]} << 16 | uint64_t{p[6]} << 8 | p[7];
    state_.acc |= word >> state_.avail;
    state_.cur += (63 - state_.avail) >> 3;
    state_.avail |= 56;
  }

  // Byte by byte near the end of the window, refilling it from the source and padding past its end.
  __attribute__((noinline)) void FillSlowly() {
    State s = state_;
    StripSource& src = *src_;
    while (s.avail <= 56) {
      if (s.cur == s.end) {
        src.cur = s.cur;
        const bool more = src.Refill();
        s.cur = src.cur;
        s.end = src.end;
        if (!more) s.cur = s.end;
      }
      if (s.cur == s.end) {
        s.padding += 8;
      } else {
        s.acc |= uint64_t{*s.cur++} << (56 - s.avail);
      }
      s.avail += 8;
    }
    state_ = s;
  }

  StripSource* src_;
  State state_;
};

}  // namespace quill::tiff
