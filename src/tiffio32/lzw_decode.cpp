// TIFF LZW decoding: codes most significant bit first, 9 to 12 bits wide, Clear 256, EndOfInformation
// 257; the width grows when the next free code reaches 511, 1023 and 2047.  The 4,096-entry table and
// the output stack live in one block.  A string that runs past the end of a row is held back for the next.
#include <algorithm>
#include <cstring>
#include <vector>

#include "bit_reader.h"
#include "row_decoder.h"

namespace quill::tiff {
namespace {

constexpr uint32_t kClear = 256;
constexpr uint32_t kEndOfInformation = 257;
constexpr uint32_t kFirstFree = 258;
constexpr uint32_t kTableSize = 4096;
constexpr uint32_t kNoCode = 0xFFFF;

struct LzwEntry {
  uint16_t prefix;
  uint16_t length;
  uint8_t suffix;
  uint8_t first;
};

class LzwDecoder : public RowDecoder {
 public:
  LzwDecoder(TiffIo& io, size_t rowBytes)
      : src_(io, false), bits_(src_), rowBytes_(rowBytes), table_(kTableSize), stack_(kTableSize) {
    for (uint32_t c = 0; c < 256; ++c) table_[c] = LzwEntry{0, 1, static_cast<uint8_t>(c), static_cast<uint8_t>(c)};
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
    while (done < rowBytes_) {
      uint32_t code = bits_.Get(width_);
      if (bits_.Overrun() || code == kEndOfInformation) return false;
      if (code == kClear) {
        ResetTable();
        continue;
      }
      if (!Enter(code)) return false;
      done += Emit(code, out + done, rowBytes_ - done);
    }
    return true;
  }

 private:
  void ResetTable() {
    free_ = kFirstFree;
    width_ = 9;
    old_ = kNoCode;
  }

  // Adds the table entry the code implies; false for a code the table cannot have yet.
  bool Enter(uint32_t code) {
    if (old_ == kNoCode) {
      old_ = code;
      return code < 256;
    }
    if (code > free_ || (code == free_ && free_ == kTableSize)) return false;
    if (free_ < kTableSize) {
      const LzwEntry& prev = table_[old_];
      uint8_t suffix = code == free_ ? prev.first : table_[code].first;
      table_[free_] = LzwEntry{static_cast<uint16_t>(old_), static_cast<uint16_t>(prev.length + 1), suffix, prev.first};
      ++free_;
      width_ = free_ >= 2047 ? 12 : free_ >= 1023 ? 11 : free_ >= 511 ? 10 : 9;
    }
    old_ = code;
    return true;
  }

  // Writes the code's string to out (room bytes); what does not fit is held for the next row.
  size_t Emit(uint32_t code, uint8_t* out, size_t room) {
    const uint32_t length = table_[code].length;
    uint8_t* dst = length <= room ? out : stack_.data();
    for (uint32_t i = length, c = code; i-- > 0; c = table_[c].prefix) dst[i] = table_[c].suffix;
    if (length <= room) return length;
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
