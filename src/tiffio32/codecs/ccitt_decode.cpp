// CCITT decoding: modified Huffman (compression 2), T.4 with EOLs, one- or two-dimensional (3), and T.6
// (4).  A row is held as its changing elements (the positions where the colour changes, the first being
// white to black); rows come out white as 1 bits.
#include <algorithm>
#include <cstring>
#include <vector>

#include "codecs/bit_reader.h"
#include "codecs/ccitt_tables.h"
#include "codecs/row_decoder.h"

namespace quill::tiff {
namespace {

// Clears bits [from, to) of a row whose bits are all set: black spans on white.
void ClearSpan(uint8_t* row, uint32_t from, uint32_t to) {
  if (from >= to) return;
  uint32_t firstByte = from >> 3, lastByte = (to - 1) >> 3;
  uint8_t head = static_cast<uint8_t>(0xFF >> (from & 7));
  uint8_t tail = static_cast<uint8_t>(0xFF << (7 - ((to - 1) & 7)));
  if (firstByte == lastByte) {
    row[firstByte] &= static_cast<uint8_t>(~(head & tail));
    return;
  }
  row[firstByte] &= static_cast<uint8_t>(~head);
  std::memset(row + firstByte + 1, 0, lastByte - firstByte - 1);
  row[lastByte] &= static_cast<uint8_t>(~tail);
}

class CcittDecoder : public RowDecoder {
 public:
  CcittDecoder(TiffIo& io, const PageDescription& page)
      : src_(io, page.fillOrder == 2),
        bits_(src_),
        compression_(page.compression),
        twoDimensional_((page.t4Options & 1) != 0),
        width_(page.width),
        rowBytes_((page.width + 7) / 8) {
    ref_.reserve(width_ + 4);
    cur_.reserve(width_ + 4);
  }

  bool BeginStrip(uint32_t offset) override {
    bits_.Reset();
    SetReferenceWhite();
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    cur_.clear();
    bool ok = compression_ == kHuffman ? DecodeHuffmanRow() : compression_ == kGroup3 ? DecodeGroup3Row() : Decode2D();
    if (!ok || bits_.Overrun()) return false;
    std::memset(out, 0xFF, rowBytes_);
    for (size_t i = 0; i < cur_.size(); i += 2) ClearSpan(out, cur_[i], i + 1 < cur_.size() ? cur_[i + 1] : width_);
    std::swap(ref_, cur_);
    CloseReference();
    return true;
  }

 private:
  void SetReferenceWhite() {
    ref_.clear();
    CloseReference();
  }
  // Sentinels at the width let the search for b1 and b2 run past the last change.
  void CloseReference() { ref_.insert(ref_.end(), 4, width_); }

  bool DecodeHuffmanRow() {
    bool eol = false;
    if (!Decode1D(&eol) || eol) return false;
    bits_.AlignToByte();
    return true;
  }

  bool DecodeGroup3Row() {
    SkipEol();
    bool oneDimensional = !twoDimensional_ || bits_.Get(1) == 1;
    bool eol = false;
    bool ok = oneDimensional ? Decode1D(&eol) : Decode2D();
    pendingEol_ = eol;
    return ok;
  }

  // Fill bits and an EOL before a row; a row may also start without one (the first of a strip).
  void SkipEol() {
    if (pendingEol_) {
      pendingEol_ = false;
      return;
    }
    if (bits_.Peek(11) != 0) return;
    while (!bits_.AtEnd() && bits_.Get(1) == 0) {
    }
  }

  // One run of the colour: make-up codes then a terminating code.  eol is set when an EOL stands there.
  bool Run(bool black, uint32_t* run, bool* eol) {
    const RunEntry* table = black ? BlackRunTable() : WhiteRunTable();
    const int lookup = black ? kBlackLookupBits : kWhiteLookupBits;
    uint32_t total = 0;
    for (;;) {
      const RunEntry& e = table[bits_.Peek(lookup)];
      if (e.kind == kRunInvalid || e.kind == kRunEol) {
        if (compression_ != kGroup3 || bits_.Peek(11) != 0) return false;
        SkipEol();
        *eol = true;
        return true;
      }
      bits_.Skip(e.bits);
      total += e.run;
      if (e.kind == kRunTerminating) break;
      if (bits_.Overrun() || total > width_) return false;
    }
    *run = total;
    return true;
  }

  bool Push(uint32_t position) {
    if (cur_.size() > width_) return false;  // more changes than pixels: damaged data
    cur_.push_back(std::min(position, width_));
    return true;
  }

  bool Decode1D(bool* eol) {
    uint32_t a0 = 0;
    bool black = false;
    while (a0 < width_) {
      uint32_t run = 0;
      if (!Run(black, &run, eol)) return false;
      if (*eol) return true;  // a short row: the rest stays white
      a0 += run;
      if (!Push(a0)) return false;
      black = !black;
    }
    return true;
  }

  bool Decode2D() {
    const ModeEntry* modes = ModeTable();
    int64_t a0 = -1;  // the imaginary white pixel before the row
    bool black = false;
    size_t bi = 0;
    while (a0 < static_cast<int64_t>(width_)) {
      // b1: the first change on the reference row right of a0 to the colour opposite to a0's.
      if ((bi & 1) != (black ? 1u : 0u)) bi = bi > 0 ? bi - 1 : 1;
      while (ref_[bi] <= a0 && ref_[bi] < width_) bi += 2;
      const uint32_t b1 = ref_[bi], b2 = ref_[bi + 1];
      const ModeEntry& m = modes[bits_.Peek(kModeLookupBits)];
      if (m.mode == kModeInvalid || m.mode == kExtension || bits_.Overrun()) return false;
      bits_.Skip(m.bits);
      if (m.mode == kPass) {
        a0 = b2;
        continue;
      }
      uint32_t start = static_cast<uint32_t>(std::max<int64_t>(a0, 0));
      if (m.mode == kHorizontal) {
        uint32_t run1 = 0, run2 = 0;
        bool eol = false;
        if (!Run(black, &run1, &eol) || eol || !Run(!black, &run2, &eol) || eol) return false;
        if (!Push(start + run1) || !Push(start + run1 + run2)) return false;
        a0 = static_cast<int64_t>(start) + run1 + run2;
        continue;
      }
      static constexpr int kShift[] = {0, 0, 0, 0, 1, 2, 3, -1, -2, -3};
      int64_t a1 = static_cast<int64_t>(b1) + kShift[m.mode];
      if (a1 < static_cast<int64_t>(start) || !Push(static_cast<uint32_t>(a1))) return false;
      a0 = a1;
      black = !black;
    }
    return true;
  }

  StripSource src_;
  BitReader bits_;
  uint32_t compression_;
  bool twoDimensional_;
  uint32_t width_;
  size_t rowBytes_;
  bool pendingEol_ = false;
  std::vector<uint32_t> ref_;
  std::vector<uint32_t> cur_;
};

}  // namespace

std::unique_ptr<RowDecoder> MakeCcittDecoder(TiffIo& io, const PageDescription& page) {
  return std::make_unique<CcittDecoder>(io, page);
}

}  // namespace quill::tiff
