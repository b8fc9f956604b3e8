// TIFF LZW decoding: codes most significant bit first, 9 to 12 bits wide, Clear 256, EndOfInformation
// 257; the width grows when the next free code reaches 511, 1023 and 2047.
//
// Each entry of the table is one word: the string's first six bytes and its length.  Short strings (the
// most, in photographs) are written with one store instead of a walk along their prefixes, and the
// table, which every code reads, stays in the processor's nearest cache.  Longer strings keep their
// prefix and last byte beside the table, for the walk that writes their bytes after the sixth.
//
// Rows are decoded into a buffer with room for the longest string past the row's end, so the loop never
// asks whether a string fits; what runs past the end starts the next row.  The loop handles the common
// code (one of the table, after another) and leaves Clear, the first code after it, a code that names
// the entry it makes, a full table and damaged data to a careful step.
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
constexpr uint32_t kNoCode = 0xFFFF;
constexpr uint32_t kHead = 6;  // bytes of a string kept in its entry

static_assert(std::endian::native == std::endian::little, "an entry's head is written to memory as it stands");

// An entry: the head in the low six bytes (the first byte lowest), the length in the high two.
using Entry = uint64_t;
constexpr Entry MakeEntry(uint64_t head, uint32_t length) {
  return head | uint64_t{length} << 48;
}
constexpr uint32_t LengthOf(Entry e) {
  return static_cast<uint32_t>(e >> 48);
}

// How a string longer than its head goes on: the string one byte shorter, and the last byte.
struct Tail {
  uint16_t prefix;
  uint8_t suffix;
};

// The code at which the width grows next (or, at the table's size, no code is added any more).
constexpr uint32_t NextEvent(uint32_t free) {
  return free < 511 ? 511 : free < 1023 ? 1023 : free < 2047 ? 2047 : kTableSize;
}

// The state that changes with every code; the loop works on a local copy, which the bytes it writes
// cannot disturb.
struct Codes {
  uint32_t free = kFirstFree;
  uint32_t event = NextEvent(kFirstFree);
  uint32_t limit = 0;  // codes below this take the common path: free, or 0 while the careful step is needed
  int width = 9;
  uint32_t old = kNoCode;
  Entry oldEntry = 0;
};

class LzwDecoder : public RowDecoder {
 public:
  LzwDecoder(TiffIo& io, size_t rowBytes)
      : src_(io, false),
        bits_(src_),
        rowBytes_(rowBytes),
        table_(kTableSize),
        tails_(kTableSize),
        row_(rowBytes + kTableSize + sizeof(Entry)) {
    for (uint32_t c = 0; c < 256; ++c) table_[c] = MakeEntry(c, 1);
  }

  bool BeginStrip(uint32_t offset) override {
    bits_.Reset();
    codes_ = Codes{};
    filled_ = 0;
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    BitReader bits = bits_;
    Codes codes = codes_;
    Entry* const table = table_.data();
    Tail* const tails = tails_.data();
    uint8_t* o = row_.data() + filled_;
    uint8_t* const stop = row_.data() + rowBytes_;
    // One code of the common kind, or the careful step; false on damaged data.
    auto step = [&]() {
      const uint32_t code = bits.Take(codes.width);
      if ((code >= codes.limit) | (code - kClear <= 1)) return Careful(codes, code, o);
      const Entry e = table[code];
      Add(table, tails, codes, static_cast<uint8_t>(e));
      o = Emit(tails, e, code, o);
      codes.old = code;
      codes.oldEntry = e;
      return true;
    };
    bool ok = true;
    while (ok && o < stop) {
      bits.Refill();  // 56 bits or more: four codes of 12
      for (int i = 0; ok && i < 4 && o < stop; ++i) ok = step();
    }
    // Past the end of the data come zero bits, which decode as codes; a row that took any is damaged.
    if (bits.Overrun()) ok = false;
    bits_ = bits;
    codes_ = codes;
    if (!ok) return false;
    std::memcpy(out, row_.data(), rowBytes_);
    filled_ = static_cast<size_t>(o - stop);
    std::memmove(row_.data(), stop, filled_);
    return true;
  }

 private:
  // The entry the code after old implies: the old string and the first byte of the code's string.
  static void Add(Entry* table, Tail* tails, Codes& c, uint8_t first) {
    const uint32_t length = LengthOf(c.oldEntry);
    const uint64_t byte = length < kHead ? first : 0;  // a longer string's head is whole already
    table[c.free] = (c.oldEntry | byte << (8 * (length & 7))) + (uint64_t{1} << 48);
    tails[c.free] = Tail{static_cast<uint16_t>(c.old), first};  // a store is cheaper than a guess
    ++c.free;
    c.limit = c.free;
    if (c.free == c.event) {
      if (c.free == kTableSize) {
        c.limit = 0;  // full: no more entries until Clear
      } else {
        ++c.width;
        c.event = NextEvent(c.free);
      }
    }
  }

  // Writes the string of entry e (code's) at o, with the whole word at once; returns its end.
  static uint8_t* Emit(const Tail* tails, Entry e, uint32_t code, uint8_t* o) {
    const uint32_t length = LengthOf(e);
    std::memcpy(o, &e, sizeof e);  // the bytes past the string are written over later
    if (length > kHead) {
      uint8_t* end = o + length;
      for (uint32_t c = code; end > o + kHead; c = tails[c].prefix) *--end = tails[c].suffix;
    }
    return o + length;
  }

  // Every code the common path leaves: Clear, EndOfInformation, the first code after Clear, a code
  // naming the entry it makes, codes after the table is full, and codes beyond it.  False on damaged
  // data.
  bool Careful(Codes& c, uint32_t code, uint8_t*& o) {
    if (code == kClear) {
      c = Codes{};
      return true;
    }
    if (code == kEndOfInformation) return false;
    Entry* const table = table_.data();
    if (c.old == kNoCode) {
      if (code >= 256) return false;
    } else if (code == c.free && c.free < kTableSize) {
      Add(table, tails_.data(), c, static_cast<uint8_t>(c.oldEntry));
    } else if (code >= c.free) {
      return false;
    } else if (c.free < kTableSize) {
      Add(table, tails_.data(), c, static_cast<uint8_t>(table[code]));
    }
    const Entry e = table[code];
    o = Emit(tails_.data(), e, code, o);
    c.old = code;
    c.oldEntry = e;
    if (c.free < kTableSize) c.limit = c.free;
    return true;
  }

  StripSource src_;
  BitReader bits_;
  size_t rowBytes_;
  std::vector<Entry> table_;
  std::vector<Tail> tails_;
  std::vector<uint8_t> row_;  // the row being decoded, with room past its end for the longest string
  Codes codes_;
  size_t filled_ = 0;  // bytes of the next row decoded already
};

}  // namespace

std::unique_ptr<RowDecoder> MakeLzwDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<LzwDecoder>(io, rowBytes);
}

}  // namespace quill::tiff
