// PackBits rows: the encoder, and the decoder (runs may run on into the next row).
#include "codecs/packbits.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "codecs/row_decoder.h"
#include "container/strip_source.h"

namespace quill::tiff {
namespace {

static_assert(std::endian::native == std::endian::little, "bytes are found in words lowest first");

constexpr uint64_t kOnes = 0x0101010101010101u;

uint64_t Word(const uint8_t* p) {
  uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// The first i at or after `from` where two equal bytes start (a repeat of two or more), or n.  Eight
// pairs are compared at a time: a zero byte of the two words' difference is an equal pair.
size_t NextRepeat(const uint8_t* in, size_t from, size_t n) {
  size_t i = from;
  for (; i + 9 <= n; i += 8) {
    const uint64_t d = Word(in + i) ^ Word(in + i + 1);
    const uint64_t zero = (d - kOnes) & ~d & (kOnes << 7);  // the lowest marked byte is the first zero
    if (zero != 0) return i + static_cast<size_t>(std::countr_zero(zero) >> 3);
  }
  for (; i + 1 < n; ++i) {
    if (in[i] == in[i + 1]) return i;
  }
  return n;
}

// How many bytes from `at` up to `limit` equal the byte at `at`, compared eight at a time.
size_t RepeatLength(const uint8_t* in, size_t at, size_t limit) {
  const uint64_t same = kOnes * in[at];
  size_t i = at + 1;
  for (; i + 8 <= limit; i += 8) {
    const uint64_t d = Word(in + i) ^ same;
    if (d != 0) return i + static_cast<size_t>(std::countr_zero(d) >> 3) - at;
  }
  while (i < limit && in[i] == in[at]) ++i;
  return i - at;
}

size_t FlushLiteral(const uint8_t* from, size_t n, uint8_t* out) {
  if (n == 0) return 0;
  out[0] = static_cast<uint8_t>(n - 1);
  if (n < 16) {  // the many short pieces between repeats: a call costs more than the bytes
    for (size_t i = 0; i < n; ++i) out[1 + i] = from[i];
  } else {
    std::memcpy(out + 1, from, n);
  }
  return n + 1;
}

// The common case of decoding: whole runs that lie in the window [in, end) and fit the row, decoded with
// local pointers; returns the bytes written and leaves in after the last run taken.  Far from the row's
// end every run is written as 128 bytes in pieces of 16, whatever its length: the same work each time
// costs less than a loop whose length the processor must guess, and the bytes past the run are written
// over by the runs that follow.  Nearer the end literals are copied 16 bytes at a time as long as that
// fits.
size_t DecodeRuns(const uint8_t*& cur, const uint8_t* end, uint8_t* out, size_t rowBytes) {
  const uint8_t* in = cur;
  const uint8_t* const safe = end - std::min<ptrdiff_t>(end - cur, 129 + 16);
  size_t done = 0;
  while (in < safe && done < rowBytes) {
    const uint8_t header = *in;
    if (header == 128) break;  // left to the careful path
    uint8_t* const to = out + done;
    if (rowBytes - done >= 128) {
      const bool literal = header < 128;
      const size_t n = literal ? size_t{header} + 1 : 257 - size_t{header};
      uint8_t piece[16];
      if (literal) {
        for (size_t i = 0; i < 128; i += 16) {
          std::memcpy(piece, in + 1 + i, 16);
          std::memcpy(to + i, piece, 16);
        }
        in += n + 1;
      } else {
        std::memset(piece, in[1], 16);
        for (size_t i = 0; i < 128; i += 16) std::memcpy(to + i, piece, 16);
        in += 2;
      }
      done += n;
      continue;
    }
    const size_t n = header < 128 ? size_t{header} + 1 : 257 - size_t{header};
    if (n > rowBytes - done) break;  // left to the careful path
    if (header < 128) {
      if (n + 15 <= rowBytes - done) {
        for (size_t i = 0; i < n; i += 16) std::memcpy(to + i, in + 1 + i, 16);
      } else {
        std::memcpy(to, in + 1, n);
      }
      in += n + 1;
    } else {
      std::memset(to, in[1], n);
      in += 2;
    }
    done += n;
  }
  cur = in;
  return done;
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
  size_t DecodeWithinWindow(uint8_t* out) {
    return literal_ > 0 || repeat_ > 0 ? 0 : DecodeRuns(src_.cur, src_.end, out, rowBytes_);
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
    const size_t run = NextRepeat(in, i, n);
    // The bytes up to the repeat are literal, sent in pieces of 128 as they fill.
    for (; run - literalStart >= 128; literalStart += 128) {
      written += FlushLiteral(in + literalStart, 128, out + written);
    }
    if (run == n) break;
    const size_t length = RepeatLength(in, run, std::min(n, run + 128));
    written += FlushLiteral(in + literalStart, run - literalStart, out + written);
    out[written++] = static_cast<uint8_t>(257 - length);
    out[written++] = in[run];
    i = literalStart = run + length;
  }
  return written + FlushLiteral(in + literalStart, n - literalStart, out + written);
}

std::unique_ptr<RowDecoder> MakePackBitsDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<PackBitsDecoder>(io, rowBytes);
}

}  // namespace quill::tiff
