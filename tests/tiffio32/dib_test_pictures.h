// Small packed DIBs for the conversion tests: made, painted and read pixel by pixel through the
// library's own memory blocks.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "tiffio32.h"

namespace quill::tiff::test {

// A block the test owns (freed when it goes).
class Dib {
 public:
  explicit Dib(HGLOBAL block = nullptr) : block_(block) {}
  ~Dib() { GlobalFree(block_); }
  Dib(Dib&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
  Dib& operator=(Dib&& other) noexcept {
    std::swap(block_, other.block_);
    return *this;
  }

  HGLOBAL get() const { return block_; }
  // Lets go of the block without releasing it.
  HGLOBAL Release() { return std::exchange(block_, nullptr); }
  explicit operator bool() const { return block_ != nullptr; }

  BITMAPINFOHEADER Header() const {
    BITMAPINFOHEADER h;
    std::memcpy(&h, Lock(), sizeof h);
    GlobalUnlock(block_);
    return h;
  }
  int Bits() const { return Header().biBitCount; }
  int TableSize() const {
    const BITMAPINFOHEADER h = Header();
    return h.biClrUsed != 0 ? static_cast<int>(h.biClrUsed) : h.biBitCount <= 8 ? 1 << h.biBitCount : 0;
  }
  RGBQUAD Table(int i) const {
    RGBQUAD q;
    std::memcpy(&q, Lock() + sizeof(BITMAPINFOHEADER) + 4 * i, sizeof q);
    GlobalUnlock(block_);
    return q;
  }
  void SetTable(int i, uint8_t red, uint8_t green, uint8_t blue) {
    const RGBQUAD q{blue, green, red, 0};
    std::memcpy(Lock() + sizeof(BITMAPINFOHEADER) + 4 * i, &q, sizeof q);
    GlobalUnlock(block_);
  }

  // Index for 1 to 8 bits, 0xRRGGBB for 24 bits, the two bytes (first high) for 16 bits; y from the top.
  uint32_t Pixel(int x, int y) const {
    const uint8_t* p = PixelAddress(x, y);
    const int bits = Bits();
    uint32_t v = bits == 24 ? (p[2] << 16 | p[1] << 8 | p[0]) : bits == 16 ? (p[0] << 8 | p[1]) : *p;
    if (bits < 8) v = (v >> (8 - bits - (x * bits) % 8)) & ((1u << bits) - 1);
    GlobalUnlock(block_);
    return v;
  }
  void SetPixel(int x, int y, uint32_t v) {
    uint8_t* p = PixelAddress(x, y);
    const int bits = Bits();
    if (bits == 24) {
      p[0] = static_cast<uint8_t>(v), p[1] = static_cast<uint8_t>(v >> 8), p[2] = static_cast<uint8_t>(v >> 16);
    } else if (bits == 16) {
      p[0] = static_cast<uint8_t>(v >> 8), p[1] = static_cast<uint8_t>(v);
    } else if (bits == 8) {
      *p = static_cast<uint8_t>(v);
    } else {
      const int shift = 8 - bits - (x * bits) % 8;
      const unsigned mask = ((1u << bits) - 1) << shift;
      *p = static_cast<uint8_t>((*p & ~mask) | ((v << shift) & mask));
    }
    GlobalUnlock(block_);
  }
  void Fill(uint32_t v) {
    const BITMAPINFOHEADER h = Header();
    for (int y = 0; y < h.biHeight; ++y) {
      for (int x = 0; x < h.biWidth; ++x) SetPixel(x, y, v);
    }
  }
  // The whole block's bytes.
  std::vector<uint8_t> Bytes() const {
    const uint8_t* p = Lock();
    std::vector<uint8_t> bytes(p, p + GlobalSize(block_));
    GlobalUnlock(block_);
    return bytes;
  }

 private:
  uint8_t* Lock() const { return static_cast<uint8_t*>(GlobalLock(block_)); }
  uint8_t* PixelAddress(int x, int y) const {
    const BITMAPINFOHEADER h = Header();
    const size_t stride = (static_cast<size_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4;
    const size_t row = static_cast<size_t>(h.biHeight - 1 - y);
    return Lock() + h.biSize + 4 * TableSize() + row * stride + static_cast<size_t>(x) * h.biBitCount / 8;
  }

  HGLOBAL block_;
};

// A zero-filled packed DIB with `colors` table entries (biClrUsed) and 3780 pels a metre (96 dpi).
inline Dib MakeDib(int width, int height, int bits, uint32_t colors = 0) {
  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  const uint32_t entries = colors != 0 ? colors : bits <= 8 ? 1u << bits : 0;
  Dib dib(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40 + 4 * entries + stride * height));
  BITMAPINFOHEADER h{};
  h.biSize = 40;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<uint16_t>(bits);
  h.biXPelsPerMeter = 3780;
  h.biYPelsPerMeter = 2835;
  h.biClrUsed = colors;
  std::memcpy(GlobalLock(dib.get()), &h, sizeof h);
  GlobalUnlock(dib.get());
  return dib;
}

// A 24-bit picture of one colour.
inline Dib FlatColor(int width, int height, uint32_t rgb) {
  Dib dib = MakeDib(width, height, 24);
  dib.Fill(rgb);
  return dib;
}

inline uint32_t Rgb(const RGBQUAD& q) {
  return static_cast<uint32_t>(q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue);
}

// The share of white (index 1) pixels of a 1-bit picture.
inline double WhiteShare(const Dib& dib) {
  const BITMAPINFOHEADER h = dib.Header();
  int white = 0;
  for (int y = 0; y < h.biHeight; ++y) {
    for (int x = 0; x < h.biWidth; ++x) white += static_cast<int>(dib.Pixel(x, y));
  }
  return static_cast<double>(white) / (h.biWidth * h.biHeight);
}

}  // namespace quill::tiff::test
