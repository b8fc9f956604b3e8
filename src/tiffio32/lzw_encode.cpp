// TIFF LZW encoding.  Each strip starts with Clear at 9 bits and ends with the pending code and
// EndOfInformation; the width grows to 10, 11 and 12 bits once codes 511, 1023 and 2047 are assigned,
// and Clear is written (and the table reset) once code 4094 is.  (prefix, byte) pairs are found through
// 8,192 hash buckets, each chaining entries of the 4,096-entry table.
#include <vector>

#include "row_encoder.h"

namespace quill::tiff {
namespace {

constexpr uint32_t kClear = 256;
constexpr uint32_t kEndOfInformation = 257;
constexpr uint32_t kFirstFree = 258;
constexpr uint32_t kLastCode = 4094;
constexpr int kBuckets = 8192;
constexpr int16_t kEmpty = -1;

class LzwEncoder : public RowEncoder {
 public:
  explicit LzwEncoder(size_t rowBytes)
      : rowBytes_(rowBytes), heads_(kBuckets), next_(4096), prefix_(4096), suffix_(4096) {}

  void BeginStrip(ByteSink& sink) override {
    uint8_t* out = sink.Reserve(4);
    bits_.Attach(out);
    bits_.Put(kClear, 9);
    ResetTable();
    prefix_code_ = -1;
    sink.Commit(bits_.Detach());
  }

  void EncodeRow(const uint8_t* row, ByteSink& sink) override {
    bits_.Attach(sink.Reserve(2 * rowBytes_ + 16));
    size_t i = 0;
    if (prefix_code_ < 0 && rowBytes_ > 0) prefix_code_ = row[i++];
    int32_t code = prefix_code_;
    for (; i < rowBytes_; ++i) {
      const uint8_t c = row[i];
      const int32_t found = Find(code, c);
      if (found >= 0) {
        code = found;
        continue;
      }
      bits_.Put(static_cast<uint32_t>(code), width_);
      Add(code, c);
      code = c;
    }
    prefix_code_ = code;
    sink.Commit(bits_.Detach());
  }

  void EndStrip(ByteSink& sink, bool) override {
    bits_.Attach(sink.Reserve(8));
    if (prefix_code_ >= 0) {
      bits_.Put(static_cast<uint32_t>(prefix_code_), width_);
      Assigned();  // the reader enters one more code on reading this one
    }
    bits_.Put(kEndOfInformation, width_);
    bits_.PadToByte();
    sink.Commit(bits_.Detach());
  }

 private:
  static uint32_t Hash(int32_t prefix, uint8_t c) { return (uint32_t{c} + 1) * static_cast<uint32_t>(prefix) & 0x1FFF; }

  void ResetTable() {
    std::fill(heads_.begin(), heads_.end(), kEmpty);
    free_ = kFirstFree;
    width_ = 9;
  }

  int32_t Find(int32_t prefix, uint8_t c) const {
    for (int16_t e = heads_[Hash(prefix, c)]; e != kEmpty; e = next_[e]) {
      if (prefix_[e] == prefix && suffix_[e] == c) return e;
    }
    return -1;
  }

  void Add(int32_t prefix, uint8_t c) {
    const uint32_t h = Hash(prefix, c);
    const auto code = static_cast<int16_t>(free_);
    prefix_[code] = static_cast<int16_t>(prefix);
    suffix_[code] = c;
    next_[code] = heads_[h];
    heads_[h] = code;
    Assigned();
  }

  // One more code is taken: widen the codes, or start the table afresh once it is full.
  void Assigned() {
    const uint32_t assigned = free_++;
    if (assigned == kLastCode) {
      bits_.Put(kClear, width_);
      ResetTable();
    } else if (assigned == 511 || assigned == 1023 || assigned == 2047) {
      ++width_;
    }
  }

  size_t rowBytes_;
  BitWriter bits_;
  std::vector<int16_t> heads_;
  std::vector<int16_t> next_;
  std::vector<int16_t> prefix_;
  std::vector<uint8_t> suffix_;
  uint32_t free_ = kFirstFree;
  int width_ = 9;
  int32_t prefix_code_ = -1;
};

}  // namespace

std::unique_ptr<RowEncoder> MakeLzwEncoder(size_t rowBytes) {
  return std::make_unique<LzwEncoder>(rowBytes);
}

}  // namespace quill::tiff
