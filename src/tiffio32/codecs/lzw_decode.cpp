// TIFF LZW decoding: codes most significant bit first, 9 to 12 bits wide, Clear 256, EndOfInformation
// 257; the width grows when the next free code reaches 511, 1023 and 2047.  A string that runs past the
// end of a row is held back for the next.
//
// An entry is one 64-bit word: its string's first six bytes, in the order they are written, and its
// length.  The table then takes 32 KB and stays in the first-level cache, a new entry is its prefix's
// word with one byte and one more length added in a register, and a short string (the most, in
// photographs) goes out with one eight-byte store.  Longer strings are written backwards from their end
// along the prefixes, the head last.
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
constexpr uint32_t kNoCode = 0xFFFF;
constexpr uint32_t kHead = 6;
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
    ResetTable();
    held_ = 0;
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    const size_t held = std::min(held_, rowBytes_);
    std::memcpy(out, stack_.data() + heldAt_, held);
    held_ -= held;
    heldAt_ += held;
    // The loop works on local copies, which the bytes it writes cannot disturb.
    BitReader bits = bits_;
    Entry* const table = table_.data();
    uint32_t free = free_, old = old_;
    Entry prev = old == kNoCode ? 0 : table[old];
    int width = width_;
    uint8_t* o = out + held;
    uint8_t* const end = out + rowBytes_;
    bool ok = true;
    while (o < end) {
      const uint32_t code = bits.Get(width);
      if (bits.Overrun() || code - kClear < 2) {  // damaged, Clear or EndOfInformation
        if (bits.Overrun() || code == kEndOfInformation) {
          ok = false;
          break;
        }
        free = kFirstFree;
        width = 9;
        old = kNoCode;
        continue;
      }
      Entry e;
      if (code < free) {
        e = table[code];
        if (old != kNoCode && free < kTableSize) Add(table, free++, old, prev, FirstByteOf(e), width);
      } else if (code == free && old != kNoCode && free < kTableSize) {  // the old string and its own first byte
        e = Add(table, free++, old, prev, FirstByteOf(prev), width);
      } else {
        ok = false;  // a code not yet assigned, or a first code that is no byte
        break;
      }
      prev = e;
      old = code;
      const uint32_t length = LengthOf(e);
      if (length <= kHead && end - o >= static_cast<ptrdiff_t>(sizeof e)) {  // bytes past the string are written over later
        std::memcpy(o, &e, sizeof e);
        o += length;
      } else {
        o += Emit(code, o, static_cast<size_t>(end - o));
      }
    }
    bits_ = bits;
    free_ = free;
    old_ = old;
    width_ = width;
    return ok;
  }

 private:
  void ResetTable() {
    free_ = kFirstFree;
    width_ = 9;
    old_ = kNoCode;
  }

  // Assigns code `slot`: the string of `old` (whose entry is prev) and one more byte.  Only strings longer
  // than a head need their prefix and last byte, to be written out backwards.
  Entry Add(Entry* table, uint32_t slot, uint32_t old, Entry prev, uint8_t byte, int& width) {
    const Entry added = Extend(prev, byte);
    table[slot] = added;
    if (LengthOf(prev) >= kHead) {
      prefix_[slot] = static_cast<uint16_t>(old);
      suffix_[slot] = byte;
    }
    if (slot + 1 == 511 || slot + 1 == 1023 || slot + 1 == 2047) ++width;
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
  uint32_t free_ = kFirstFree;
  int width_ = 9;
  uint32_t old_ = kNoCode;
  size_t held_ = 0;
  size_t heldAt_ = 0;
};

}  // namespace

std::unique_ptr<RowDecoder> MakeLzwDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<LzwDecoder>(io, rowBytes);
}

}  // namespace quill::tiff
