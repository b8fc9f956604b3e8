// PackBits rows: the encoder, and the decoder (runs may run on into the next row).  The encoder makes a
// repeat run of every two or more equal bytes, and literal runs of the bytes between.
#include "codecs/packbits.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "codecs/row_decoder.h"
#include "container/strip_source.h"

namespace quill::tiff {
namespace {

constexpr uint64_t kOnes = 0x0101010101010101;
constexpr bool kLittle = std::endian::native == std::endian::little;

uint64_t Load8(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

// The first position from i on where a byte equals the next one (a repeat run starts); n when none.
// Eight pairs are compared at a time: a zero byte of the difference is an equal pair, and the lowest one
// found by the zero-byte test is exact.
size_t NextPair(const uint8_t* in, size_t i, size_t n) {
  for (; kLittle && i + 9 <= n; i += 8) {
    const uint64_t d = Load8(in + i) ^ Load8(in + i + 1);
    const uint64_t zero = (d - kOnes) & ~d & (kOnes << 7);
    if (zero != 0) return i + static_cast<size_t>(std::countr_zero(zero) >> 3);
  }
  for (; i + 1 < n; ++i) {
    if (in[i] == in[i + 1]) return i;
  }
  return n;
}

// How many bytes from j up to limit equal in[j].
size_t RunFrom(const uint8_t* in, size_t j, size_t limit) {
  const uint8_t b = in[j];
  const uint64_t pattern = kOnes * b;
  size_t k = j + 1;
  for (; kLittle && k + 8 <= limit; k += 8) {
    const uint64_t d = Load8(in + k) ^ pattern;
    if (d != 0) return k + static_cast<size_t>(std::countr_zero(d) >> 3) - j;
  }
  while (k < limit && in[k] == b) ++k;
  return k - j;
}

// Literal runs of up to 128 bytes.
size_t FlushLiterals(const uint8_t* from, size_t n, uint8_t* out) {
  size_t written = 0;
  while (n > 0) {
    const size_t part = std::min<size_t>(n, 128);
    out[written] = static_cast<uint8_t>(part - 1);
    std::memcpy(out + written + 1, from, part);
    written += part + 1;
    from += part;
    n -= part;
  }
  return written;
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
  for (size_t i = 0;;) {
    const size_t j = NextPair(in, i, n);
    if (j >= n) break;
    const size_t run = RunFrom(in, j, std::min(n, j + 128));
    written += FlushLiterals(in + literalStart, j - literalStart, out + written);
    out[written++] = static_cast<uint8_t>(257 - run);
    out[written++] = in[j];
    i = literalStart = j + run;
  }
  return written + FlushLiterals(in + literalStart, n - literalStart, out + written);
}

std::unique_ptr<RowDecoder> MakePackBitsDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<PackBitsDecoder>(io, rowBytes);
}

}  // namespace quill::tiff
