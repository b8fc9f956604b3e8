// CCITT encoding of 1-bit rows (1 bits white): modified Huffman (2), T.4 one-dimensional with EOLs and
// fill bits (3) and T.6 (4).  Rows are first reduced to their changing elements.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "codecs/ccitt_tables.h"
#include "codecs/row_encoder.h"
#include "container/page_description.h"

namespace quill::tiff {
namespace {

constexpr size_t kSentinels = 4;

// The 64 bits from byte `at` on, most significant first; bytes past the row read as `fill`.
uint64_t WordAt(const uint8_t* row, size_t at, size_t rowBytes, uint8_t fill) {
  uint64_t word = 0;
  if (at + 8 <= rowBytes) {
    std::memcpy(&word, row + at, 8);
    return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
  }
  for (size_t i = at; i < at + 8; ++i) word = word << 8 | (i < rowBytes ? row[i] : fill);
  return word;
}

// The first position at or after `from` whose bit differs from `bit`, or width when there is none.  The
// row is read 64 bits at a time from the byte that holds `from`.
uint32_t NextChange(const uint8_t* row, uint32_t from, uint32_t width, uint32_t bit) {
  const uint8_t skip = bit ? 0xFF : 0x00;
  const size_t rowBytes = (size_t{width} + 7) / 8;
  for (uint32_t x = from; x < width; x = (x | 7) + 57) {
    const uint64_t rest = (WordAt(row, x >> 3, rowBytes, skip) ^ (skip ? ~uint64_t{0} : 0)) << (x & 7);
    if (rest != 0) return std::min(width, x + static_cast<uint32_t>(std::countl_zero(rest)));
  }
  return width;
}

// The row's changing elements, then sentinels at the width so that b1, b2 and a2 always exist.
void FindChanges(const uint8_t* row, uint32_t width, std::vector<uint32_t>* changes) {
  changes->clear();
  uint32_t bit = 1;  // the imaginary pixel before the row is white
  for (uint32_t x = NextChange(row, 0, width, bit); x < width; x = NextChange(row, x, width, bit)) {
    changes->push_back(x);
    bit ^= 1;
  }
  changes->insert(changes->end(), kSentinels, width);
}

class CcittEncoder : public RowEncoder {
 public:
  CcittEncoder(uint32_t compression, uint32_t width)
      : compression_(compression), width_(width), rowBytes_((width + 7) / 8) {}

  void BeginStrip(ByteSink& sink) override {
    ref_.assign(kSentinels, width_);  // an all-white reference row
    if (compression_ == kGroup3) sink.Put(kEol, sizeof kEol);
  }

  void EncodeRow(const uint8_t* row, ByteSink& sink) override {
    FindChanges(row, width_, &cur_);
    bits_.Attach(sink.Reserve(10 * rowBytes_ + 64));
    if (compression_ == kGroup4) {
      Encode2D(bits_);
      std::swap(ref_, cur_);
    } else {
      Encode1D(bits_);
      bits_.PadToByte();
      if (compression_ == kGroup3) bits_.Put(kEolCode, 16);  // the EOL ends on a byte boundary
    }
    sink.Commit(bits_.Detach());
  }

  void EndStrip(ByteSink& sink, bool lastStrip) override {
    bits_.Attach(sink.Reserve(16));
    bits_.PadToByte();  // the last partial byte of a T.6 strip
    sink.Commit(bits_.Detach());
    if (compression_ == kGroup3 && lastStrip) sink.Put(kRtc, sizeof kRtc);
  }

 private:
  static constexpr uint8_t kEol[] = {0x00, 0x01};
  static constexpr uint8_t kRtc[] = {0x00, 0x10, 0x01, 0x00, 0x10, 0x01, 0x00, 0x10, 0x01};

  // The row's codes go through a local copy of the writer, which the bytes it writes cannot disturb.
  [[gnu::always_inline]] static void PutRun(BitWriter& bits, uint32_t run, bool black) {
    const RunCode* table = black ? kBlackCodes : kWhiteCodes;
    for (; run >= 2560; run -= 2560) Put(bits, RunCodeFor(table, 2560));
    if (run >= 64) Put(bits, RunCodeFor(table, run & ~63u));
    Put(bits, RunCodeFor(table, run & 63u));
  }
  static void Put(BitWriter& bits, const RunCode& c) { bits.Put(c.code, c.bits); }
  static void Put(BitWriter& bits, Mode mode) {
    const ModeCode c = ModeCodeFor(mode);
    bits.Put(c.code, c.bits);
  }

  void Encode1D(BitWriter& writer) {
    BitWriter bits = writer;
    uint32_t a0 = 0;
    bool black = false;
    for (size_t i = 0; a0 < width_; ++i, black = !black) {
      const uint32_t a1 = cur_[i];
      PutRun(bits, a1 - a0, black);
      a0 = a1;
    }
    writer = bits;
  }

  void Encode2D(BitWriter& writer) {
    BitWriter bits = writer;
    static constexpr Mode kVertical[] = {kVL3, kVL2, kVL1, kV0, kVR1, kVR2, kVR3};
    int64_t a0 = -1;
    bool black = false;
    size_t ai = 0, bi = 0;
    while (a0 < static_cast<int64_t>(width_)) {
      if ((bi & 1) != (black ? 1u : 0u)) bi = bi > 0 ? bi - 1 : 1;
      while (ref_[bi] <= a0 && ref_[bi] < width_) bi += 2;
      const int64_t a1 = cur_[ai], b1 = ref_[bi], b2 = ref_[bi + 1];
      if (b2 < a1) {
        Put(bits, kPass);
        a0 = b2;
      } else if (a1 - b1 >= -3 && a1 - b1 <= 3) {
        Put(bits, kVertical[a1 - b1 + 3]);
        a0 = a1;
        ++ai;
        black = !black;
      } else {
        const uint32_t start = static_cast<uint32_t>(std::max<int64_t>(a0, 0)), a2 = cur_[ai + 1];
        Put(bits, kHorizontal);
        PutRun(bits, static_cast<uint32_t>(a1) - start, black);
        PutRun(bits, a2 - static_cast<uint32_t>(a1), !black);
        a0 = a2;
        ai += 2;
      }
    }
    writer = bits;
  }

  uint32_t compression_;
  uint32_t width_;
  size_t rowBytes_;
  BitWriter bits_;
  std::vector<uint32_t> ref_;
  std::vector<uint32_t> cur_;
};

}  // namespace

std::unique_ptr<RowEncoder> MakeCcittEncoder(uint32_t compression, uint32_t width) {
  return std::make_unique<CcittEncoder>(compression, width);
}

}  // namespace quill::tiff
