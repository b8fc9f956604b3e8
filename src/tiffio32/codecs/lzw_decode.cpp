// TIFF LZW decoding: codes most significant bit first, 9 to 12 bits wide, Clear 256, EndOfInformation
// 257; the width grows when the next free code reaches 511, 1023 and 2047.  The 4,096-entry table and
// the output stack live in one block.  A string that runs past the end of a row is held back for the next.
// Each entry keeps its string's first eight bytes, so short strings (the most, in photographs) are
// written with one copy instead of a walk along their prefixes.
#include <algorithm>
#include <cstring>
#include <vector>

#include "codecs/bit_reader.h"
#include "codecs/lzw_codes.h"
#include "codecs/row_decoder.h"

namespace quill::tiff {
namespace {

using namespace lzw;  // NOLINT: the reserved codes
constexpr uint32_t kNoCode = 0xFFFF;

constexpr uint32_t kHead = 8;

struct alignas(16) LzwEntry {  // sixteen bytes, so that an entry is found by a shift
  uint8_t head[kHead];         // the string's first bytes (all of it when it is no longer)
  uint16_t prefix;
  uint16_t length;
  uint8_t suffix;  // its last byte
};

class LzwDecoder : public RowDecoder {
 public:
  LzwDecoder(TiffIo& io, size_t rowBytes)
      : src_(io, false), bits_(src_), rowBytes_(rowBytes), table_(kTableSize), stack_(kTableSize) {
    for (uint32_t c = 0; c < 256; ++c) table_[c] = LzwEntry{{static_cast<uint8_t>(c)}, 0, 1, static_cast<uint8_t>(c)};
  }

  bool BeginStrip(uint32_t offset) override {
    bits_.Reset();
    ResetTable();
    held_ = 0;
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    size_t done = std::min(held_, rowBytes_);
    std::memcpy(out, stack_.data() + heldAt_, done);
    held_ -= done;
    heldAt_ += done;
    // The loop works on local copies, which the bytes it writes cannot disturb.
    BitReader bits = bits_;
    LzwEntry* const table = table_.data();
    uint32_t free = free_, old = old_;
    int width = width_;
    const size_t rowBytes = rowBytes_;
    bool ok = true;
    while (done < rowBytes) {
      const uint32_t code = bits.Get(width);
      if (bits.Overrun() || code == kEndOfInformation) {
        ok = false;
        break;
      }
      if (code == kClear) {
        free = kFirstFree;
        width = 9;
        old = kNoCode;
        continue;
      }
      if (old == kNoCode) {
        if (code >= 256) {
          ok = false;
          break;
        }
      } else if (code > free || (code == free && free == kTableSize)) {
        ok = false;
        break;
      } else if (free < kTableSize) {  // the entry the code implies: the old string and one more byte
        const LzwEntry& prev = table[old];
        LzwEntry& added = table[free];
        std::memcpy(added.head, prev.head, kHead);
        added.suffix = code == free ? prev.head[0] : table[code].head[0];
        if (prev.length < kHead) added.head[prev.length] = added.suffix;
        added.prefix = static_cast<uint16_t>(old);
        added.length = static_cast<uint16_t>(prev.length + 1);
        ++free;
        if (free == 511 || free == 1023 || free == 2047) ++width;
      }
      old = code;
      done += Emit(table, code, out + done, rowBytes - done);
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

  // Writes the code's string to out (room bytes); what does not fit is held for the next row.
  size_t Emit(const LzwEntry* table, uint32_t code, uint8_t* out, size_t room) {
    const LzwEntry& e = table[code];
    const uint32_t length = e.length;
    if (length > room) return Hold(table, code, out, room);
    if (room >= kHead) {  // the head as a whole; bytes past the string are written over later
      std::memcpy(out, e.head, kHead);
    } else {
      std::memcpy(out, e.head, std::min(length, kHead));
    }
    uint8_t* p = out + length;
    for (uint32_t c = code; p > out + kHead; c = table[c].prefix) *--p = table[c].suffix;
    return length;
  }

  size_t Hold(const LzwEntry* table, uint32_t code, uint8_t* out, size_t room) {
    const uint32_t length = table[code].length;
    uint8_t* p = stack_.data() + length;
    for (uint32_t c = code; p > stack_.data(); c = table[c].prefix) *--p = table[c].suffix;
    std::memcpy(out, stack_.data(), room);
    heldAt_ = room;
    held_ = length - room;
    return room;
  }

  StripSource src_;
  BitReader bits_;
  size_t rowBytes_;
  std::vector<LzwEntry> table_;
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
