// Codec throughput against libtiff on the same pages in the same run: an A4 page at 300 dpi in 1 bit
// (Group 3, Group 4, PackBits) and a 4000 x 3000 picture in 8 and 24 bits (LZW, LZW with predictor,
// PackBits).  Both libraries work in memory.  Decoding reads the same bytes (written here, or by libtiff
// for the predictor) into a new picture; encoding starts from the same rows and uses the same strips.
//   cmake -DQUILL_BENCH=ON ... && ninja bench_tiff_codecs && ./bench/tiffio32/bench_tiff_codecs
#include <benchmark/benchmark.h>
#include <tiffio.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tiffio32.h"

namespace {

// ---- pictures ----

struct Picture {
  int width, height, bits;
  HGLOBAL dib;                // packed DIB for this library
  std::vector<uint8_t> rows;  // the same rows top first, as TIFF stores them (RGB, 1 bits white)
  size_t rowBytes;
};

size_t Stride(int width, int bits) {
  return (static_cast<size_t>(width) * bits + 31) / 32 * 4;
}

void Blacken(Picture& p, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) p.rows[y * p.rowBytes + x / 8] &= static_cast<uint8_t>(~(0x80 >> (x % 8)));
  }
}

// A4 at 300 dpi: lines of "text" on white, each letter a few strokes (stems and bars three pixels
// thick), as a scanned letter looks.
Picture Letter() {
  Picture p{2480, 3508, 1, nullptr, {}, 310};
  p.rows.assign(p.rowBytes * p.height, 0xFF);
  std::mt19937 random(2008);
  for (int line = 150; line + 40 < p.height - 150; line += 60) {
    for (int x = 200; x < p.width - 300; x += 8 + static_cast<int>(random() % 24)) {
      for (int letters = 3 + static_cast<int>(random() % 6); letters > 0; --letters, x += 22) {
        const unsigned shape = random();
        if (shape & 1) Blacken(p, x, line, x + 3, line + 30);
        if (shape & 2) Blacken(p, x + 14, line + 8, x + 17, line + 30);
        if (shape & 4) Blacken(p, x, line + 8, x + 17, line + 11);
        if (shape & 8) Blacken(p, x, line + 18, x + 17, line + 21);
        if (shape & 16) Blacken(p, x, line + 27, x + 17, line + 30);
      }
    }
  }
  return p;
}

// A photograph-like picture: smooth shading with a little noise.
Picture Photo(int bits) {
  Picture p{4000, 3000, bits, nullptr, {}, static_cast<size_t>(4000 * bits / 8)};
  p.rows.resize(p.rowBytes * p.height);
  std::mt19937 random(7);
  for (int y = 0; y < p.height; ++y) {
    for (size_t i = 0; i < p.rowBytes; ++i) {
      const int x = static_cast<int>(i * 8 / bits);
      const int c = static_cast<int>(i % 3);
      const int base = (x / 16 + y / 12 + 40 * c) % 256;
      p.rows[y * p.rowBytes + i] = static_cast<uint8_t>(base + static_cast<int>(random() % 5));
    }
  }
  return p;
}

void MakeDib(Picture& p) {
  const int colors = p.bits <= 8 ? 1 << p.bits : 0;
  const size_t stride = Stride(p.width, p.bits);
  p.dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40 + 4 * colors + stride * p.height);
  auto* base = static_cast<uint8_t*>(GlobalLock(p.dib));
  BITMAPINFOHEADER h{40, p.width, p.height, 1, static_cast<uint16_t>(p.bits), 0, 0, 11811, 11811, 0, 0};
  std::memcpy(base, &h, sizeof h);
  auto* table = reinterpret_cast<RGBQUAD*>(base + 40);
  for (int i = 0; i < colors; ++i) {
    const auto g = static_cast<uint8_t>(i * 255 / (colors - 1));
    table[i] = RGBQUAD{g, g, g, 0};
  }
  uint8_t* bits = base + 40 + 4 * colors;
  for (int y = 0; y < p.height; ++y) {
    uint8_t* row = bits + (p.height - 1 - y) * stride;
    std::memcpy(row, &p.rows[y * p.rowBytes], p.rowBytes);
    for (size_t i = 0; p.bits == 24 && i < p.rowBytes; i += 3) std::swap(row[i], row[i + 2]);
  }
  GlobalUnlock(p.dib);
}

const Picture& Get(int which) {
  static Picture pictures[3] = {Letter(), Photo(8), Photo(24)};
  static bool made = false;
  if (!made) {
    for (Picture& p : pictures) MakeDib(p);
    made = true;
  }
  return pictures[which];
}

// ---- libtiff in memory ----

struct Memory {
  std::vector<uint8_t> bytes;
  toff_t at = 0;
};

tsize_t MemRead(thandle_t h, tdata_t buf, tsize_t n) {
  auto* m = static_cast<Memory*>(h);
  const tsize_t left = static_cast<tsize_t>(m->bytes.size() - std::min<size_t>(m->at, m->bytes.size()));
  const tsize_t got = std::min(n, left);
  std::memcpy(buf, m->bytes.data() + m->at, static_cast<size_t>(got));
  m->at += static_cast<toff_t>(got);
  return got;
}
tsize_t MemWrite(thandle_t h, tdata_t buf, tsize_t n) {
  auto* m = static_cast<Memory*>(h);
  if (m->at + n > m->bytes.size()) m->bytes.resize(m->at + n);
  std::memcpy(m->bytes.data() + m->at, buf, static_cast<size_t>(n));
  m->at += static_cast<toff_t>(n);
  return n;
}
toff_t MemSeek(thandle_t h, toff_t off, int whence) {
  auto* m = static_cast<Memory*>(h);
  m->at = whence == SEEK_SET ? off : whence == SEEK_CUR ? m->at + off : m->bytes.size() + off;
  return m->at;
}
int MemClose(thandle_t) {
  return 0;
}
toff_t MemSize(thandle_t h) {
  return static_cast<Memory*>(h)->bytes.size();
}
int MemMap(thandle_t, tdata_t*, toff_t*) {
  return 0;
}
void MemUnmap(thandle_t, tdata_t, toff_t) {}

TIFF* Open(Memory& m, const char* mode) {
  m.at = 0;
  return TIFFClientOpen("memory", mode, &m, MemRead, MemWrite, MemSeek, MemClose, MemSize, MemMap, MemUnmap);
}

// The rows per strip this library chooses, so both write the same strips.
uint32_t RowsPerStrip(const Picture& p) {
  const uint64_t n = std::min<uint64_t>(200, std::max<uint64_t>(1, (p.rowBytes * p.height + 8095) / 8096));
  return static_cast<uint32_t>((p.height + n - 1) / n);
}

// libtiff's compression codes and options for the cases.
struct Scheme {
  int ours;  // this library's compression argument
  uint16_t tiff;
  bool predictor;
};
const Scheme kSchemes[] = {{3, COMPRESSION_CCITTFAX3, false},
                           {4, COMPRESSION_CCITTFAX4, false},
                           {6, COMPRESSION_PACKBITS, false},
                           {5, COMPRESSION_LZW, false},
                           {5, COMPRESSION_LZW, true}};

Memory LibtiffEncode(const Picture& p, const Scheme& s) {
  Memory m;
  TIFF* t = Open(m, "w");
  TIFFSetField(t, TIFFTAG_IMAGEWIDTH, p.width);
  TIFFSetField(t, TIFFTAG_IMAGELENGTH, p.height);
  TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, p.bits == 24 ? 8 : p.bits);
  TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, p.bits == 24 ? 3 : 1);
  TIFFSetField(t, TIFFTAG_PHOTOMETRIC, p.bits == 24 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
  TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(t, TIFFTAG_COMPRESSION, s.tiff);
  if (s.tiff == COMPRESSION_CCITTFAX3) TIFFSetField(t, TIFFTAG_GROUP3OPTIONS, GROUP3OPT_FILLBITS);
  if (s.predictor) TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
  const uint32_t rows = RowsPerStrip(p);
  TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, rows);
  for (uint32_t y = 0, strip = 0; y < static_cast<uint32_t>(p.height); y += rows, ++strip) {
    const uint32_t n = std::min<uint32_t>(rows, p.height - y);
    TIFFWriteEncodedStrip(t, strip, const_cast<uint8_t*>(&p.rows[y * p.rowBytes]),
                          static_cast<tmsize_t>(n * p.rowBytes));
  }
  TIFFClose(t);
  return m;
}

std::string OursEncode(const Picture& p, const Scheme& s) {
  uint8_t* stream = nullptr;
  uint32_t size = 0;
  writetiffiledibstream(&stream, &size, static_cast<int16_t>(s.ours), static_cast<int16_t>(p.bits), 0, p.dib, 0,
                        nullptr);
  std::string bytes(reinterpret_cast<char*>(stream), size);
  GlobalFree(GlobalHandle(stream));
  return bytes;
}

// The same page for both decoders: written here, or by libtiff where this library writes no predictor.
const std::vector<uint8_t>& Encoded(int picture, int scheme) {
  static std::vector<uint8_t> cache[3][5];
  std::vector<uint8_t>& bytes = cache[picture][scheme];
  if (bytes.empty()) {
    const Scheme& s = kSchemes[scheme];
    if (s.predictor) {
      bytes = LibtiffEncode(Get(picture), s).bytes;
    } else {
      const std::string ours = OursEncode(Get(picture), s);
      bytes.assign(ours.begin(), ours.end());
    }
  }
  return bytes;
}

// ---- the benchmarks: args are (picture, scheme) ----

void SetThroughput(benchmark::State& state, const Picture& p) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(p.rowBytes) * p.height);
}

void DecodeOurs(benchmark::State& state) {
  const int picture = static_cast<int>(state.range(0)), scheme = static_cast<int>(state.range(1));
  const std::vector<uint8_t>& bytes = Encoded(picture, scheme);
  for (auto _ : state) {
    HGLOBAL dib = nullptr;
    if (readtiffiledibstream(bytes.data(), static_cast<uint32_t>(bytes.size()), 0, 0, 0, &dib, 0, nullptr) != 1) {
      state.SkipWithError("read failed");
    }
    GlobalFree(dib);
  }
  SetThroughput(state, Get(picture));
  state.counters["stored"] = static_cast<double>(bytes.size());
}

void DecodeLibtiff(benchmark::State& state) {
  const int picture = static_cast<int>(state.range(0)), scheme = static_cast<int>(state.range(1));
  Memory m;
  m.bytes = Encoded(picture, scheme);
  const Picture& p = Get(picture);
  for (auto _ : state) {
    std::vector<uint8_t> out(p.rowBytes * p.height);  // a new picture each time, as this library makes
    TIFF* t = Open(m, "r");
    size_t at = 0;
    for (tstrip_t s = 0; s < TIFFNumberOfStrips(t); ++s) {
      const tmsize_t got = TIFFReadEncodedStrip(t, s, out.data() + at, -1);
      if (got < 0) state.SkipWithError("libtiff read failed");
      at += static_cast<size_t>(got);
    }
    TIFFClose(t);
    benchmark::DoNotOptimize(out.data());
  }
  SetThroughput(state, p);
}

void EncodeOurs(benchmark::State& state) {
  const int picture = static_cast<int>(state.range(0)), scheme = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(OursEncode(Get(picture), kSchemes[scheme]).size());
  SetThroughput(state, Get(picture));
}

void EncodeLibtiff(benchmark::State& state) {
  const int picture = static_cast<int>(state.range(0)), scheme = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(LibtiffEncode(Get(picture), kSchemes[scheme]).bytes.size());
  SetThroughput(state, Get(picture));
}

// Pictures 0 letter, 1 gray photo, 2 colour photo; schemes 0 Group 3, 1 Group 4, 2 PackBits, 3 LZW,
// 4 LZW with predictor (decoding only: this library writes no predictor).
void Cases(benchmark::internal::Benchmark* b, bool decoding) {
  for (int scheme : {0, 1, 2}) b->Args({0, scheme});
  for (int picture : {1, 2}) {
    for (int scheme : {3, 2}) b->Args({picture, scheme});
    if (decoding) b->Args({picture, 4});
  }
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(DecodeOurs)->Apply([](benchmark::internal::Benchmark* b) { Cases(b, true); });
BENCHMARK(DecodeLibtiff)->Apply([](benchmark::internal::Benchmark* b) { Cases(b, true); });
BENCHMARK(EncodeOurs)->Apply([](benchmark::internal::Benchmark* b) { Cases(b, false); });
BENCHMARK(EncodeLibtiff)->Apply([](benchmark::internal::Benchmark* b) { Cases(b, false); });

}  // namespace

BENCHMARK_MAIN();
