// Depth and colour conversions on scan-sized pictures: a 4000 x 3000 photograph-like picture at 24 and
// 8 bits and an A4 page at 300 dpi in black and white.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "tiffio32.h"

namespace {

constexpr int kWidth = 4000, kHeight = 3000;
constexpr int kA4Width = 2480, kA4Height = 3508;

HGLOBAL NewDib(int width, int height, int bits) {
  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  const uint32_t colors = bits <= 8 ? 1u << bits : 0;
  HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40 + 4 * colors + stride * height);
  auto* bytes = static_cast<uint8_t*>(GlobalLock(dib));
  BITMAPINFOHEADER h{40, width, height, 1, static_cast<uint16_t>(bits), 0, 0, 11811, 11811, colors, 0};
  std::memcpy(bytes, &h, sizeof h);
  auto* table = reinterpret_cast<RGBQUAD*>(bytes + 40);
  for (uint32_t i = 0; i < colors; ++i) {
    table[i] = RGBQUAD{static_cast<uint8_t>(i * 7), static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 0};
  }
  uint8_t* pixels = bytes + 40 + 4 * colors;
  uint32_t noise = 12345;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = pixels + static_cast<size_t>(y) * stride;
    for (size_t i = 0; i < stride; ++i) {
      noise = noise * 1103515245u + 12345u;
      // Smooth shading with a little grain, like a scanned photograph.
      row[i] = static_cast<uint8_t>((i * 255 / stride + y * 128 / height + (noise >> 28)) & 255);
    }
  }
  GlobalUnlock(dib);
  return dib;
}

class Pictures : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    if (rgb_ != nullptr) return;
    rgb_ = NewDib(kWidth, kHeight, 24);
    eight_ = NewDib(kWidth, kHeight, 8);
    page_ = NewDib(kA4Width, kA4Height, 1);
  }

 protected:
  static HGLOBAL rgb_, eight_, page_;
};
HGLOBAL Pictures::rgb_ = nullptr;
HGLOBAL Pictures::eight_ = nullptr;
HGLOBAL Pictures::page_ = nullptr;

template <class Convert>
void Measure(benchmark::State& state, HGLOBAL source, Convert convert) {
  for (auto _ : state) {
    HGLOBAL out = convert(source);
    if (out == nullptr) state.SkipWithError("conversion failed");
    GlobalFree(out);
  }
  const auto* h = static_cast<const BITMAPINFOHEADER*>(GlobalLock(source));
  state.SetItemsProcessed(state.iterations() * int64_t{h->biWidth} * h->biHeight);
  GlobalUnlock(source);
}

BENCHMARK_DEFINE_F(Pictures, DitherToBW)(benchmark::State& state) {
  const auto flags = static_cast<int16_t>(state.range(0));
  Measure(state, rgb_, [&](HGLOBAL d) { return DitherToBW(d, flags); });
}
BENCHMARK_REGISTER_F(Pictures, DitherToBW)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(Pictures, DIB24To1)(benchmark::State& state) {
  Measure(state, rgb_, DIB24To1);
}
BENCHMARK_REGISTER_F(Pictures, DIB24To1)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(Pictures, ColorToGrayscale)(benchmark::State& state) {
  Measure(state, rgb_, ColorToGrayscale);
}
BENCHMARK_REGISTER_F(Pictures, ColorToGrayscale)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(Pictures, DIB8To24)(benchmark::State& state) {
  Measure(state, eight_, DIB8To24);
}
BENCHMARK_REGISTER_F(Pictures, DIB8To24)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(Pictures, PageTo8Bits)(benchmark::State& state) {
  Measure(state, page_, DIB1To8);
}
BENCHMARK_REGISTER_F(Pictures, PageTo8Bits)->Unit(benchmark::kMillisecond);

// Median cut to 256 colours; argument 4 dithers.
BENCHMARK_DEFINE_F(Pictures, ReduceColorToColor)(benchmark::State& state) {
  const auto flags = static_cast<int16_t>(state.range(0));
  Measure(state, rgb_, [&](HGLOBAL d) { return ReduceColorToColor(d, 256, flags); });
}
BENCHMARK_REGISTER_F(Pictures, ReduceColorToColor)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

// The optimised palette of 256 colours; argument 1 dithers.  Works on a copy, since it replaces it.
BENCHMARK_DEFINE_F(Pictures, ReduceDib)(benchmark::State& state) {
  const auto dither = static_cast<int16_t>(state.range(0));
  Measure(state, rgb_, [&](HGLOBAL d) {
    const size_t n = GlobalSize(d);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, n);
    std::memcpy(GlobalLock(copy), GlobalLock(d), n);
    GlobalUnlock(d);
    GlobalUnlock(copy);
    if (ReduceDib(&copy, 8, DIB_PALETTE_OPTIMISED, nullptr, 0, dither, 0) != DIB_REDUCED) {
      GlobalFree(copy);
      return HGLOBAL{nullptr};
    }
    return copy;
  });
}
BENCHMARK_REGISTER_F(Pictures, ReduceDib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
