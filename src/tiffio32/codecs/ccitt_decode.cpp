// CCITT decoding: modified Huffman (compression 2), T.4 with EOLs, one- or two-dimensional (3), and T.6
// (4).  A row is held as its changing elements (the positions where the colour changes, the first being
// white to black); rows come out white as 1 bits.
//
// A row is decoded with the bit reader in a local (see bit_reader.h) and its changes written through a
// plain pointer into a block with room for every change the row may have and the sentinels after them.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "codecs/bit_reader.h"
#include "codecs/ccitt_tables.h"
#include "codecs/row_decoder.h"

namespace quill::tiff {
namespace {

// Sentinels at the width let the search for b1 and b2 run past the last change.
constexpr size_t kSentinels = 4;

// A row is painted in 64-bit words, the leftmost pixel in the most significant bit, so that the short
// black spans of text clear bits in a register-sized word instead of calling memset on a byte or two.
void ClearSpan(uint64_t* words, uint32_t from, uint32_t to) {
  if (from >= to) return;
  const uint32_t first = from >> 6, last = (to - 1) >> 6;
  const uint64_t head = ~uint64_t{0} >> (from & 63), tail = ~uint64_t{0} << (63 - ((to - 1) & 63));
  if (first == last) {
    words[first] &= ~(head & tail);
    return;
  }
  words[first] &= ~head;
  for (uint32_t w = first + 1; w < last; ++w) words[w] = 0;
  words[last] &= ~tail;
}

// The words as bytes, most significant first.
void StoreWords(const uint64_t* words, uint8_t* out, size_t bytes) {
  size_t i = 0;
  for (; i + 8 <= bytes; i += 8) {
    uint64_t w = words[i / 8];
    if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
    std::memcpy(out + i, &w, 8);
  }
  for (int shift = 56; i < bytes; ++i, shift -= 8) out[i] = static_cast<uint8_t>(words[i / 8] >> shift);
}

// The changes of the row being decoded; more changes than pixels means damaged data.
struct Changes {
  uint32_t* at;
  size_t count;
  size_t limit;
  uint32_t width;

  bool Push(uint32_t position) {
    if (count > limit) return false;
    at[count++] = std::min(position, width);
    return true;
  }
};

class CcittDecoder : public RowDecoder {
 public:
  CcittDecoder(TiffIo& io, const PageDescription& page)
      : src_(io, page.fillOrder == 2),
        bits_(src_),
        compression_(page.compression),
        twoDimensional_((page.t4Options & 1) != 0),
        width_(page.width),
        rowBytes_((page.width + 7) / 8),
        white_(WhiteRunTable()),
        black_(BlackRunTable()),
        modes_(ModeTable()),
        ref_(size_t{page.width} + 2 + kSentinels),
        cur_(ref_.size()),
        words_((size_t{page.width} + 63) / 64) {}

  bool BeginStrip(uint32_t offset) override {
    bits_.Reset();
    SetReferenceWhite();
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    Changes changes{cur_.data(), 0, width_, width_};
    BitReader bits = bits_;
    const bool ok = compression_ == kHuffman ? DecodeHuffmanRow(bits, changes)
                    : compression_ == kGroup3 ? DecodeGroup3Row(bits, changes)
                                              : Decode2D(bits, changes);
    bits_ = bits;
    if (!ok || bits.Overrun()) return false;
    Paint(changes, out);
    std::swap(ref_, cur_);
    CloseReference(changes.count);
    return true;
  }

 private:
  void Paint(const Changes& changes, uint8_t* out) {
    if (changes.count == 0) {
      std::memset(out, 0xFF, rowBytes_);
      return;
    }
    // Rows of text often repeat the row above, whose painting the words still hold.
    const bool repeated = changes.count == refCount_ && std::equal(changes.at, changes.at + changes.count, ref_.data());
    if (repeated) return StoreWords(words_.data(), out, rowBytes_);
    std::fill(words_.begin(), words_.end(), ~uint64_t{0});
    const uint32_t* c = changes.at;
    for (size_t i = 0; i < changes.count; i += 2) {
      ClearSpan(words_.data(), c[i], i + 1 < changes.count ? c[i + 1] : width_);
    }
    StoreWords(words_.data(), out, rowBytes_);
  }

  void SetReferenceWhite() { CloseReference(0); }
  void CloseReference(size_t count) {
    refCount_ = count;
    std::fill_n(ref_.begin() + static_cast<ptrdiff_t>(count), kSentinels, width_);
  }

  bool DecodeHuffmanRow(BitReader& bits, Changes& changes) {
    bool eol = false;
    if (!Decode1D(bits, changes, &eol) || eol) return false;
    bits.AlignToByte();
    return true;
  }

  bool DecodeGroup3Row(BitReader& bits, Changes& changes) {
    SkipEol(bits);
    bool oneDimensional = !twoDimensional_ || bits.Get(1) == 1;
    bool eol = false;
    bool ok = oneDimensional ? Decode1D(bits, changes, &eol) : Decode2D(bits, changes);
    pendingEol_ = eol;
    return ok;
  }

  // Fill bits and an EOL before a row; a row may also start without one (the first of a strip).
  void SkipEol(BitReader& bits) {
    if (pendingEol_) {
      pendingEol_ = false;
      return;
    }
    if (bits.Peek(11) != 0) return;
    while (!bits.AtEnd() && bits.Get(1) == 0) {
    }
  }

  // One run of the colour: make-up codes then a terminating code.  eol is set when an EOL stands there.
  [[gnu::always_inline]] bool Run(BitReader& bits, bool black, uint32_t* run, bool* eol) {
    const RunEntry* table = black ? black_ : white_;
    const int lookup = black ? kBlackLookupBits : kWhiteLookupBits;
    uint32_t total = 0;
    for (;;) {
      const RunEntry e = table[bits.Peek(lookup)];
      if (e.kind == kRunTerminating) {
        bits.Skip(e.bits);
        *run = total + e.run;
        return true;
      }
      if (e.kind != kRunMakeup) return AtEol(bits, eol);
      bits.Skip(e.bits);
      total += e.run;
      if (bits.Overrun() || total > width_) return false;
    }
  }

  // An EOL where a run code should be: the end of a short Group 3 row; anything else is damage.
  bool AtEol(BitReader& bits, bool* eol) {
    if (compression_ != kGroup3 || bits.Peek(11) != 0) return false;
    SkipEol(bits);
    *eol = true;
    return true;
  }

  bool Decode1D(BitReader& bits, Changes& changes, bool* eol) {
    uint32_t a0 = 0;
    bool black = false;
    while (a0 < width_) {
      uint32_t run = 0;
      if (!Run(bits, black, &run, eol)) return false;
      if (*eol) return true;  // a short row: the rest stays white
      a0 += run;
      if (!changes.Push(a0)) return false;
      black = !black;
    }
    return true;
  }

  // The two-dimensional row works on copies of the reader and the changes, which stay in registers.
  bool Decode2D(BitReader& reader, Changes& changes) {
    BitReader bits = reader;
    Changes local = changes;
    const bool ok = DecodeModes(bits, local);
    reader = bits;
    changes = local;
    return ok;
  }

  [[gnu::always_inline]] bool DecodeModes(BitReader& bits, Changes& changes) {
    static constexpr int kShift[] = {0, 0, 0, 0, 1, 2, 3, -1, -2, -3};
    const uint32_t* const ref = ref_.data();
    const ModeEntry* const modes = modes_;
    const int64_t width = width_;
    uint32_t* next = changes.at + changes.count;
    uint32_t* const full = changes.at + changes.limit + 1;
    int64_t a0 = -1;  // the imaginary white pixel before the row
    bool black = false;
    size_t bi = 0;
    while (a0 < width) {
      // b1: the first change on the reference row right of a0 to the colour opposite to a0's.
      if ((bi & 1) != (black ? 1u : 0u)) bi = bi > 0 ? bi - 1 : 1;
      while (ref[bi] <= a0 && ref[bi] < width) bi += 2;
      const ModeEntry m = modes[bits.Peek(kModeLookupBits)];
      if (static_cast<uint8_t>(m.mode - kPass) > kVL3 - kPass) return false;  // the zero bits past the end, too
      bits.Skip(m.bits);
      const int64_t start = std::max<int64_t>(a0, 0);
      if (m.mode >= kV0) {
        const int64_t a1 = static_cast<int64_t>(ref[bi]) + kShift[m.mode];
        if (a1 < start || next == full) return false;
        *next++ = static_cast<uint32_t>(std::min(a1, width));
        a0 = a1;
        black = !black;
      } else if (m.mode == kPass) {
        a0 = ref[bi + 1];
      } else {
        uint32_t run1 = 0, run2 = 0;
        bool eol = false;
        if (!Run(bits, black, &run1, &eol) || eol || !Run(bits, !black, &run2, &eol) || eol) return false;
        if (full - next < 2) return false;
        const int64_t a1 = start + run1;
        a0 = a1 + run2;
        *next++ = static_cast<uint32_t>(std::min(a1, width));
        *next++ = static_cast<uint32_t>(std::min(a0, width));
      }
    }
    changes.count = static_cast<size_t>(next - changes.at);
    return true;
  }

  StripSource src_;
  BitReader bits_;
  uint32_t compression_;
  bool twoDimensional_;
  uint32_t width_;
  size_t rowBytes_;
  const RunEntry* white_;
  const RunEntry* black_;
  const ModeEntry* modes_;
  bool pendingEol_ = false;
  std::vector<uint32_t> ref_;  // the reference row's changes, then sentinels
  size_t refCount_ = 0;
  std::vector<uint32_t> cur_;
  std::vector<uint64_t> words_;  // the row being painted: the last row with black in it
};

}  // namespace

std::unique_ptr<RowDecoder> MakeCcittDecoder(TiffIo& io, const PageDescription& page) {
  return std::make_unique<CcittDecoder>(io, page);
}

}  // namespace quill::tiff
