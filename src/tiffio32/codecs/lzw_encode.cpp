// TIFF LZW encoding.  Each strip starts with Clear at 9 bits and ends with the pending code and
// EndOfInformation; the width grows to 10, 11 and 12 bits once codes 511, 1023 and 2047 are assigned,
// and Clear is written (and the table reset) once code 4094 is.  (prefix, byte) pairs are found through
// 8,192 hash buckets, each chaining entries of the 4,096-entry table; a multiplicative hash keeps the
// chains short (about a third of the extra probes of ((byte + 1) x prefix) & 0x1FFF on photographs).
#include <algorithm>
#include <vector>

#include "codecs/lzw_codes.h"
#include "codecs/row_encoder.h"

namespace quill::tiff {
namespace {

using namespace lzw;  // NOLINT: the reserved codes
constexpr uint32_t kLastCode = 4094;
constexpr int kBuckets = 8192;
constexpr int16_t kEmpty = -1;

struct alignas(8) Entry {  // one cache line holds all a probe needs
  int16_t prefix;
  int16_t next;  // the bucket's next entry
  uint8_t suffix;
};

// The state that changes with every code; EncodeRow works on a local copy, which the bytes it writes
// cannot disturb.
struct Codes {
  BitWriter bits;
  uint32_t free = kFirstFree;
  int width = 9;
};

class LzwEncoder : public RowEncoder {
 public:
  explicit LzwEncoder(size_t rowBytes) : rowBytes_(rowBytes), heads_(kBuckets), table_(kTableSize) {}

  void BeginStrip(ByteSink& sink) override {
    codes_.bits.Attach(sink.Reserve(4));
    codes_.bits.Put(kClear, 9);
    Reset(heads_.data(), codes_);
    prefix_code_ = -1;
    sink.Commit(codes_.bits.Detach());
  }

  void EncodeRow(const uint8_t* row, ByteSink& sink) override {
    Codes codes = codes_;
    codes.bits.Attach(sink.Reserve(2 * rowBytes_ + 16));
    Entry* const table = table_.data();
    int16_t* const heads = heads_.data();
    const uint8_t* const end = row + rowBytes_;
    const uint8_t* p = row;
    int32_t code = prefix_code_;
    if (code < 0 && p < end) code = *p++;
    for (; p < end; ++p) {
      const uint8_t c = *p;
      const uint32_t h = Hash(code, c);
      int16_t e = heads[h];
      while (e != kEmpty && (table[e].prefix != code || table[e].suffix != c)) e = table[e].next;
      if (e != kEmpty) {
        code = e;
        continue;
      }
      codes.bits.Put(static_cast<uint32_t>(code), codes.width);
      const auto added = static_cast<int16_t>(codes.free);
      table[added] = Entry{static_cast<int16_t>(code), heads[h], c};
      heads[h] = added;
      Assigned(heads, codes);
      code = c;
    }
    prefix_code_ = code;
    sink.Commit(codes.bits.Detach());
    codes_ = codes;
  }

  void EndStrip(ByteSink& sink, bool) override {
    codes_.bits.Attach(sink.Reserve(8));
    if (prefix_code_ >= 0) {
      codes_.bits.Put(static_cast<uint32_t>(prefix_code_), codes_.width);
      Assigned(heads_.data(), codes_);  // the reader enters one more code on reading this one
    }
    codes_.bits.Put(kEndOfInformation, codes_.width);
    codes_.bits.PadToByte();
    sink.Commit(codes_.bits.Detach());
  }

 private:
  static uint32_t Hash(int32_t prefix, uint8_t c) {
    return ((static_cast<uint32_t>(prefix) << 8 | c) * 0x9E3779B1u) >> 19;
  }

  static void Reset(int16_t* heads, Codes& codes) {
    std::fill(heads, heads + kBuckets, kEmpty);
    codes.free = kFirstFree;
    codes.width = 9;
  }

  // One more code is taken: widen the codes, or start the table afresh once it is full.
  static void Assigned(int16_t* heads, Codes& codes) {
    const uint32_t assigned = codes.free++;
    if (assigned == kLastCode) {
      codes.bits.Put(kClear, codes.width);
      Reset(heads, codes);
    } else if (assigned == 511 || assigned == 1023 || assigned == 2047) {
      ++codes.width;
    }
  }

  size_t rowBytes_;
  std::vector<int16_t> heads_;
  std::vector<Entry> table_;
  Codes codes_;
  int32_t prefix_code_ = -1;
};

}  // namespace

std::unique_ptr<RowEncoder> MakeLzwEncoder(size_t rowBytes) {
  return std::make_unique<LzwEncoder>(rowBytes);
}

}  // namespace quill::tiff
