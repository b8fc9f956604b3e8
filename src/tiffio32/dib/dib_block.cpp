#include "dib/dib_block.h"

#include <cstring>

namespace quill::tiff {

InputDib::InputDib(HGLOBAL dib) : dib_(dib), bytes_(GlobalLock(dib)) {
  ok_ = bytes_ != nullptr && ParseDib(bytes_, GlobalSize(dib), &info_);
}

InputDib::~InputDib() {
  if (bytes_ != nullptr) GlobalUnlock(dib_);
}

NewDib::NewDib(int32_t width, int32_t height, int bits, uint32_t colors, int32_t xPelsPerMeter, int32_t yPelsPerMeter)
    : stride_(DibStride(width, bits)), height_(height) {
  if (width <= 0 || height <= 0 || colors > 256) return;
  const size_t head = sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD);
  size_t image = 0;
  size_t total = 0;
  if (__builtin_mul_overflow(stride_, static_cast<size_t>(height), &image) ||
      __builtin_add_overflow(head, image, &total)) {
    return;
  }
  dib_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, total);
  bytes_ = static_cast<uint8_t*>(GlobalLock(dib_));
  if (bytes_ == nullptr) return;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = static_cast<uint16_t>(bits);
  header.biSizeImage = static_cast<uint32_t>(image <= UINT32_MAX ? image : 0);
  header.biXPelsPerMeter = xPelsPerMeter;
  header.biYPelsPerMeter = yPelsPerMeter;
  header.biClrUsed = colors;
  std::memcpy(bytes_, &header, sizeof header);
  pixels_ = bytes_ + head;
}

NewDib::NewDib(const DibInfo& like, int bits, uint32_t colors)
    : NewDib(like.width, like.height, bits, colors, like.xPelsPerMeter, like.yPelsPerMeter) {}

NewDib::~NewDib() {
  if (bytes_ != nullptr) GlobalUnlock(dib_);
  if (dib_ != nullptr) GlobalFree(dib_);
}

HGLOBAL NewDib::Release() {
  if (bytes_ == nullptr) return nullptr;
  GlobalUnlock(dib_);
  bytes_ = nullptr;
  HGLOBAL dib = dib_;
  dib_ = nullptr;
  return dib;
}

void SetBlackWhiteTable(RGBQUAD* table) {
  table[0] = RGBQUAD{0, 0, 0, 0};
  table[1] = RGBQUAD{0xFF, 0xFF, 0xFF, 0xFF};
}

void SetGrayRamp(RGBQUAD* table, int entries) {
  for (int i = 0; i < entries; ++i) {
    const auto g = static_cast<uint8_t>(i);
    table[i] = RGBQUAD{g, g, g, 0};
  }
}

}  // namespace quill::tiff
