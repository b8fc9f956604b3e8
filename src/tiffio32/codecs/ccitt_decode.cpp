// CCITT decoding: modified Huffman (compression 2), T.4 with EOLs, one- or two-dimensional (3), and T.6
// (4).  A row is held as its changing elements (the positions where the colour changes, the first being
// white to black); rows come out white as 1 bits.
//
// Codes are looked up in tables by the next 7, 12 or 13 bits, the bits topped up without a test before
// each code.  A row is painted into 64-bit words, black spans cleared from white with whole-word masks;
// a two-dimensional row coded all in V0 (the row above once more, as most rows of a page are) is not
// painted again at all.
#include <algorithm>
#include <cstring>
#include <vector>

#include "codecs/bit_reader.h"
#include "codecs/ccitt_tables.h"
#include "codecs/row_decoder.h"

namespace quill::tiff {
namespace {

constexpr size_t kSentinels = 4;

// Clears bits [from, to) of a row of words, the first pixel the highest bit of the first word.
void ClearSpan(uint64_t* words, uint32_t from, uint32_t to) {
  if (from >= to) return;
  const uint32_t first = from >> 6, last = (to - 1) >> 6;
  const uint64_t head = ~uint64_t{0} >> (from & 63);
  const uint64_t tail = ~uint64_t{0} << (63 - ((to - 1) & 63));
  if (first == last) {
    words[first] &= ~(head & tail);
    return;
  }
  words[first] &= ~head;
  for (uint32_t w = first + 1; w < last; ++w) words[w] = 0;
  words[last] &= ~tail;
}

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
        ref_(std::min<size_t>(size_t{page.width} + 1, 4096) + kSentinels),
        cur_(ref_.size()),
        words_((size_t{page.width} + 63) / 64 + 1) {}

  bool BeginStrip(uint32_t offset) override {
    bits_.Reset();
    SetReferenceWhite();
    painted_ = false;
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    BitReader bits = bits_;
    curCount_ = 0;
    bool same = false;  // the row repeats the reference row
    const bool ok = compression_ == kHuffman  ? DecodeHuffmanRow(bits)
                    : compression_ == kGroup3 ? DecodeGroup3Row(bits, same)
                                              : Decode2D(bits, same);
    bits_ = bits;
    if (!ok || bits.Overrun()) return false;
    if (!same || !painted_) Paint();
    painted_ = true;
    Store(out);
    std::swap(ref_, cur_);
    refCount_ = curCount_;
    CloseReference();
    return true;
  }

 private:
  void SetReferenceWhite() {
    refCount_ = 0;
    CloseReference();
  }
  // Sentinels at the width let the search for b1 and b2 run past the last change.
  void CloseReference() { std::fill_n(ref_.begin() + static_cast<ptrdiff_t>(refCount_), kSentinels, width_); }

  // The row's picture from its changes: white words, black spans cleared.
  void Paint() {
    uint64_t* words = words_.data();
    std::fill(words_.begin(), words_.end(), ~uint64_t{0});
    const uint32_t* c = cur_.data();
    for (size_t i = 0; i < curCount_; i += 2) ClearSpan(words, c[i], i + 1 < curCount_ ? c[i + 1] : width_);
  }

  // The painted words as bytes, the first pixel the highest bit of the first byte.
  void Store(uint8_t* out) const {
    const size_t whole = rowBytes_ / 8;
    for (size_t w = 0; w < whole; ++w) {
      const uint64_t bytes = __builtin_bswap64(words_[w]);
      std::memcpy(out + 8 * w, &bytes, 8);
    }
    if (rowBytes_ > 8 * whole) {
      const uint64_t bytes = __builtin_bswap64(words_[whole]);
      std::memcpy(out + 8 * whole, &bytes, rowBytes_ - 8 * whole);
    }
  }

  bool DecodeHuffmanRow(BitReader& bits) {
    bool eol = false;
    if (!Decode1D(bits, &eol) || eol) return false;
    bits.AlignToByte();
    return true;
  }

  bool DecodeGroup3Row(BitReader& bits, bool& same) {
    SkipEol(bits);
    bool oneDimensional = !twoDimensional_ || bits.Get(1) == 1;
    bool eol = false;
    bool ok = oneDimensional ? Decode1D(bits, &eol) : Decode2D(bits, same);
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
  bool Run(BitReader& bits, bool black, uint32_t* run, bool* eol) {
    const RunEntry* table = black ? black_ : white_;
    const int lookup = black ? kBlackLookupBits : kWhiteLookupBits;
    uint32_t total = 0;
    for (;;) {
      bits.Refill();
      const RunEntry& e = table[bits.Next(lookup)];
      if (e.kind == kRunInvalid || e.kind == kRunEol) {
        if (compression_ != kGroup3 || bits.Next(11) != 0) return false;
        SkipEol(bits);
        *eol = true;
        return true;
      }
      bits.Skip(e.bits);
      total += e.run;
      if (e.kind == kRunTerminating) break;
      if (bits.Overrun() || total > width_) return false;
    }
    *run = total;
    return true;
  }

  bool Push(uint32_t position) {
    if (curCount_ + kSentinels >= cur_.size() && !Grow()) return false;
    cur_[curCount_++] = std::min(position, width_);
    return true;
  }

  // Room for more changes, as a row turns out to have them; false past one for every pixel (damaged
  // data).
  bool Grow() {
    if (curCount_ > width_) return false;
    const size_t size = std::min<size_t>(2 * cur_.size(), size_t{width_} + 1 + kSentinels);
    cur_.resize(size);
    ref_.resize(size);
    return true;
  }

  bool Decode1D(BitReader& bits, bool* eol) {
    uint32_t a0 = 0;
    bool black = false;
    while (a0 < width_) {
      uint32_t run = 0;
      if (!Run(bits, black, &run, eol)) return false;
      if (*eol) return true;  // a short row: the rest stays white
      a0 += run;
      if (!Push(a0)) return false;
      black = !black;
    }
    return true;
  }

  // Bits past the end of the data are zeros, which are no mode code: the row-end test of the reader
  // catches what a damaged strip leaves.  The loop keeps the rows and counts in locals, which the
  // changes it writes cannot disturb.
  bool Decode2D(BitReader& reader, bool& same) {
    BitReader bits = reader;
    const uint32_t width = width_;
    const ModeEntry* const modes = modes_;
    const uint32_t* ref = ref_.data();
    uint32_t* cur = cur_.data();
    size_t n = curCount_, room = cur_.size() - kSentinels;
    int64_t a0 = -1;  // the imaginary white pixel before the row
    bool black = false;
    size_t bi = 0;
    bool ok = true, allV0 = true;
    // b1: the first change on the reference row right of a0 to the colour opposite to a0's.
    auto findB1 = [&] {
      if ((bi & 1) != (black ? 1u : 0u)) bi = bi > 0 ? bi - 1 : 1;
      while (ref[bi] <= a0 && ref[bi] < width) bi += 2;
    };
    while (a0 < static_cast<int64_t>(width)) {
      bits.Refill();
      // A one bit is V0 (a1 at b1), the code of every change that stands where the row above has it:
      // a run of them is taken without the table.
      if (int ones = bits.LeadingOnes(); ones > 0) {
        int used = 0;
        for (; used < ones && a0 < static_cast<int64_t>(width); ++used) {
          findB1();
          if (n >= room && !GrowRows(n, ref, cur, room)) return false;
          cur[n++] = ref[bi];
          a0 = ref[bi];
          black = !black;
        }
        bits.Skip(used);
        continue;
      }
      allV0 = false;
      findB1();
      const uint32_t b1 = ref[bi], b2 = ref[bi + 1];
      const ModeEntry m = modes[bits.Next(kModeLookupBits)];
      bits.Skip(m.bits);
      if (m.mode == kModeInvalid || m.mode == kExtension) {
        ok = false;
        break;
      }
      if (m.mode == kPass) {
        a0 = b2;
        continue;
      }
      const uint32_t start = static_cast<uint32_t>(std::max<int64_t>(a0, 0));
      if (m.mode == kHorizontal) {
        curCount_ = n;
        ok = Horizontal(bits, black, start);
        if (!ok) break;
        n = curCount_;
        ref = ref_.data();  // the rows may have grown
        cur = cur_.data();
        room = cur_.size() - kSentinels;
        a0 = cur[n - 1];
        continue;
      }
      static constexpr int kShift[] = {0, 0, 0, 0, 1, 2, 3, -1, -2, -3};
      const int64_t a1 = static_cast<int64_t>(b1) + kShift[m.mode];
      if (a1 < static_cast<int64_t>(start)) {
        ok = false;
        break;
      }
      if (n >= room && !GrowRows(n, ref, cur, room)) {
        ok = false;
        break;
      }
      cur[n++] = std::min(static_cast<uint32_t>(a1), width);
      a0 = a1;
      black = !black;
    }
    curCount_ = n;
    reader = bits;
    same = allV0;
    return ok;
  }

  // Grow for the loop of Decode2D, which keeps the rows and count in locals.
  bool GrowRows(size_t n, const uint32_t*& ref, uint32_t*& cur, size_t& room) {
    curCount_ = n;
    if (!Grow()) return false;
    ref = ref_.data();
    cur = cur_.data();
    room = cur_.size() - kSentinels;
    return true;
  }

  // The two runs of a horizontal mode code from start, the first of a0's colour.
  bool Horizontal(BitReader& bits, bool black, uint32_t start) {
    uint32_t run1 = 0, run2 = 0;
    bool eol = false;
    if (!Run(bits, black, &run1, &eol) || eol || !Run(bits, !black, &run2, &eol) || eol) return false;
    return Push(start + run1) && Push(start + run1 + run2);
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
  std::vector<uint32_t> ref_;  // the reference row's changes, then sentinels; as long as cur_
  size_t refCount_ = 0;
  std::vector<uint32_t> cur_;  // the row's changes
  size_t curCount_ = 0;
  std::vector<uint64_t> words_;  // the last row painted
  bool painted_ = false;         // words_ shows the reference row
};

}  // namespace

std::unique_ptr<RowDecoder> MakeCcittDecoder(TiffIo& io, const PageDescription& page) {
  return std::make_unique<CcittDecoder>(io, page);
}

}  // namespace quill::tiff
