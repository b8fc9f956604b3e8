// PackBits rows: the encoder, and the decoder (runs may run on into the next row).
#include "codecs/packbits.h"

#include <algorithm>
#include <cstring>

#include "codecs/row_decoder.h"
#include "container/strip_source.h"

namespace quill::tiff {
namespace {

size_t FlushLiteral(const uint8_t* from, size_t n, uint8_t* out) {
  if (n == 0) return 0;
  out[0] = static_cast<uint8_t>(n - 1);
  std::memcpy(out + 1, from, n);
  return n + 1;
}

class PackBitsDecoder : public RowDecoder {
 public:
  PackBitsDecoder(TiffIo& io, size_t rowBytes) : src_(io, false), rowBytes_(rowBytes) {}

  bool BeginStrip(uint32_t offset) override {
    literal_ = repeat_ = 0;
    return src_.Seek(offset);
  }

  bool DecodeRow(uint8_t* out) override {
    size_t done = DecodeWithinWindow(out);
    while (done < rowBytes_) {
      if (repeat_ > 0) {
        size_t n = std::min(repeat_, rowBytes_ - done);
        std::memset(out + done, repeatByte_, n);
        repeat_ -= n;
        done += n;
      } else if (literal_ > 0) {
        size_t n = std::min(literal_, rowBytes_ - done);
        if (!src_.Take(out + done, n)) return false;
        literal_ -= n;
        done += n;
      } else if (!ReadHeader()) {
        return false;
      }
    }
    return true;
  }

 private:
  // The common case: whole runs that lie in the window and fit the row, decoded with local pointers.
  // Literals are copied 16 bytes at a time (a short copy of unknown length costs more), the bytes past
  // a literal being written over by the runs that follow.
  size_t DecodeWithinWindow(uint8_t* out) {
    if (literal_ > 0 || repeat_ > 0) return 0;
    const uint8_t* in = src_.cur;
    const uint8_t* const safe = src_.end - std::min<ptrdiff_t>(src_.end - src_.cur, 129 + 16);
    size_t done = 0;
    const size_t rowBytes = rowBytes_;
    while (in < safe && done < rowBytes) {
      const uint8_t header = *in;
      const size_t n = header < 128 ? size_t{header} + 1 : 257 - size_t{header};
      if (header == 128 || n > rowBytes - done) break;  // left to the careful path
      if (header < 128) {
        if (n + 15 <= rowBytes - done) {
          for (size_t i = 0; i < n; i += 16) std::memcpy(out + done + i, in + 1 + i, 16);
        } else {
          std::memcpy(out + done, in + 1, n);
        }
        in += n + 1;
      } else {
        std::memset(out + done, in[1], n);
        in += 2;
      }
      done += n;
    }
    src_.cur = in;
    return done;
  }

  bool ReadHeader() {
    uint8_t header = 0;
    if (!src_.Take(&header, 1)) return false;
    if (header < 128) {
      literal_ = size_t{header} + 1;
    } else if (header > 128) {
      repeat_ = 257 - size_t{header};
      return src_.Take(&repeatByte_, 1);
    }
    return true;  // 128: no operation
  }

  StripSource src_;
  size_t rowBytes_;
  size_t literal_ = 0;
  size_t repeat_ = 0;
  uint8_t repeatByte_ = 0;
};

}  // namespace

size_t PackBitsRow(const uint8_t* in, size_t n, uint8_t* out) {
  size_t written = 0;
  size_t literalStart = 0;
  size_t i = 0;
  while (i < n) {
    size_t limit = std::min(n, i + 128);
    size_t run = 1;
    while (i + run < limit && in[i + run] == in[i]) ++run;
    if (run >= 2) {
      written += FlushLiteral(in + literalStart, i - literalStart, out + written);
      out[written++] = static_cast<uint8_t>(257 - run);
      out[written++] = in[i];
      i += run;
      literalStart = i;
    } else if (++i - literalStart == 128) {
      written += FlushLiteral(in + literalStart, 128, out + written);
      literalStart = i;
    }
  }
  return written + FlushLiteral(in + literalStart, i - literalStart, out + written);
}

std::unique_ptr<RowDecoder> MakePackBitsDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<PackBitsDecoder>(io, rowBytes);
}

}  // namespace quill::tiff
