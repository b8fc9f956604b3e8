// TIFF LZW decoding: codes most significant bit first, 9 to 12 bits wide, Clear 256, EndOfInformation
// 257; the width grows when the next free code reaches 511, 1023 and 2047.  A string that runs past the
// end of a row is held back for the next.
//
// An entry is one 64-bit word: its string's first six bytes, in the order they are written, and its
// length.  The table then takes 32 KB and stays in the first-level cache, a new entry is its prefix's
// word with one byte and one more length added in a register, and a short string (the most, in
// photographs) goes out with one eight-byte store.  Longer strings are written backwards from their end
// along the prefixes, the head last.
//
// After Clear the next free code is taken to be 257: the first code then "assigns" that slot, which no
// code reads (257 always ends the data), so the first code needs no test of its own.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "codecs/bit_reader.h"
#include "codecs/lzw_codes.h"
#include "codecs/row_decoder.h"

namespace quill::tiff {
namespace {

using namespace lzw;  // NOLINT: the reserved codes
using Entry = uint64_t;
constexpr uint32_t kHead = 6;
constexpr uint32_t kAfterClear = kEndOfInformation;
constexpr bool kLittle = std::endian::native == std::endian::little;
constexpr int kLengthShift = kLittle ? 48 : 0;

constexpr int ByteShift(uint32_t i) {
  return kLittle ? static_cast<int>(8 * i) : static_cast<int>(56 - 8 * i);
}
uint32_t LengthOf(Entry e) {
  return static_cast<uint32_t>(e >> kLengthShift) & 0xFFFF;
}
uint8_t FirstByteOf(Entry e) {
  return static_cast<uint8_t>(e >> ByteShift(0));
}
Entry Extend(Entry prefix, uint8_t byte) {
  const uint32_t length = LengthOf(prefix);
  const Entry longer = prefix + (Entry{1} << kLengthShift);
  return length < kHead ? longer | Entry{byte} << ByteShift(length) : longer;
}
// The width of the next code: 9 bits until code 511 is assigned, then 10, 11 from 1023, 12 from 2047.
int WidthFor(uint32_t free) {
  return std::min(12, static_cast<int>(std::bit_width(free + 1)));
}

// The decoder's place in the strip, a local of the row's loop.
struct Cursor {
  BitReader bits;
  uint32_t free;
  uint32_t old;
  Entry prev;  // old's entry
  uint8_t* out;
};

class LzwDecoder : public RowDecoder {
 public:
  LzwDecoder(TiffIo& io, size_t rowBytes)
      : src_(io, false),
        bits_(src_),
        rowBytes_(rowBytes),
        table_(kTableSize),
        prefix_(kTableSize),
        suffix_(kTableSize),
        stack_(kTableSize + 8) {
    for (uint32_t c = 0; c < 256; ++c) {
      table_[c] = Entry{c} << ByteShift(0) | Entry{1} << kLengthShift;
      suffix_[c] = static_cast<uint8_t>(c);
    }
  }

  bool BeginStrip(uint32_t offset) override {
    bits_.Reset();
    free_ = kAfterClear;
    old_ = 0;
    held_ = 0;
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    const size_t held = std::min(held_, rowBytes_);
    std::memcpy(out, stack_.data() + heldAt_, held);
    held_ -= held;
    heldAt_ += held;
    // The loops work on a local copy, which the bytes they write cannot disturb: first while a whole
    // head fits, then to the end of the row.
    Cursor c{bits_, free_, old_, table_[old_], out + held};
    uint8_t* const end = out + rowBytes_;
    bool ok = true;
    while (ok && end - c.out > static_cast<ptrdiff_t>(sizeof(Entry))) ok = Step<true>(c, end);
    while (ok && c.out < end) ok = Step<false>(c, end);
    bits_ = c.bits;
    free_ = c.free;
    old_ = c.old;
    return ok && !c.bits.Overrun();  // codes from past the end of the data fill at most this row
  }

 private:
  // One code; false at EndOfInformation or a code not yet assigned.
  template <bool kRoomy>
  [[gnu::always_inline]] bool Step(Cursor& c, uint8_t* end) {
    Entry* const table = table_.data();
    const uint32_t code = c.bits.Get(WidthFor(c.free));
    Entry e;
    if (code < c.free) {
      if (code - kClear < 2) return code == kClear && Clear(c);
      e = table[code];
      if (c.free < kTableSize) Add(c, FirstByteOf(e));
    } else if (code == c.free && code != kEndOfInformation) {  // the old string and its own first byte
      e = Add(c, FirstByteOf(c.prev));
    } else {
      return false;
    }
    c.prev = e;
    c.old = code;
    const uint32_t length = LengthOf(e);
    if (kRoomy && length <= kHead) {  // bytes past the string are written over later
      std::memcpy(c.out, &e, sizeof e);
      c.out += length;
    } else {
      c.out += Emit(code, c.out, static_cast<size_t>(end - c.out));
    }
    return true;
  }

  bool Clear(Cursor& c) {
    c.free = kAfterClear;
    return true;
  }

  // Assigns the next free code: old's string and one more byte.  Only strings longer than a head need
  // their prefix and last byte, to be written out backwards.
  Entry Add(Cursor& c, uint8_t byte) {
    const Entry added = Extend(c.prev, byte);
    table_[c.free] = added;
    if (LengthOf(c.prev) >= kHead) {
      prefix_[c.free] = static_cast<uint16_t>(c.old);
      suffix_[c.free] = byte;
    }
    ++c.free;
    return added;
  }

  // Writes the code's string to out (room bytes); what does not fit is held for the next row.
  size_t Emit(uint32_t code, uint8_t* out, size_t room) {
    const Entry e = table_[code];
    const uint32_t length = LengthOf(e);
    if (length > room) return Hold(code, out, room);
    uint8_t* p = out + length;
    for (uint32_t c = code; p > out + kHead; c = prefix_[c]) *--p = suffix_[c];
    std::memcpy(out, &e, std::min(length, kHead));
    return length;
  }

  size_t Hold(uint32_t code, uint8_t* out, size_t room) {
    const size_t length = Emit(code, stack_.data(), stack_.size());
    std::memcpy(out, stack_.data(), room);
    heldAt_ = room;
    held_ = length - room;
    return room;
  }

  StripSource src_;
  BitReader bits_;
  size_t rowBytes_;
  std::vector<Entry> table_;
  std::vector<uint16_t> prefix_;
  std::vector<uint8_t> suffix_;
  std::vector<uint8_t> stack_;
  uint32_t free_ = kAfterClear;
  uint32_t old_ = 0;
  size_t held_ = 0;
  size_t heldAt_ = 0;
};

}  // namespace

std::unique_ptr<RowDecoder> MakeLzwDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<LzwDecoder>(io, rowBytes);
}

}  // namespace quill::tiff
