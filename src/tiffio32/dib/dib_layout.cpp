#include "dib/dib_layout.h"

#include <cstring>

namespace quill::tiff {

size_t DibStride(int32_t width, int bits) {
  return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bits) + 31) / 32 * 4;
}

uint32_t DibColorCount(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed != 0) return header.biClrUsed;
  return header.biBitCount <= 8 ? 1u << header.biBitCount : 0;
}

namespace {

bool KnownDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool ParseDib(const void* block, size_t size, DibInfo* info) {
  if (block == nullptr || size < sizeof(BITMAPINFOHEADER)) return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, block, sizeof header);
  if (header.biSize < sizeof header || header.biSize > size) return false;
  if (header.biWidth <= 0 || header.biHeight <= 0 || header.biCompression != 0) return false;
  if (!KnownDepth(header.biBitCount)) return false;
  const uint64_t colors = DibColorCount(header);
  if (header.biBitCount <= 8 && colors > (1u << header.biBitCount)) return false;
  const uint64_t tableEnd = header.biSize + colors * sizeof(RGBQUAD);
  if (tableEnd > size) return false;
  const size_t stride = DibStride(header.biWidth, header.biBitCount);
  if (static_cast<uint64_t>(header.biHeight) > (size - tableEnd) / stride) return false;

  const auto* bytes = static_cast<const uint8_t*>(block);
  info->width = header.biWidth;
  info->height = header.biHeight;
  info->bits = header.biBitCount;
  info->colors = static_cast<uint32_t>(colors);
  info->xPelsPerMeter = header.biXPelsPerMeter;
  info->yPelsPerMeter = header.biYPelsPerMeter;
  info->stride = stride;
  info->table = reinterpret_cast<const RGBQUAD*>(bytes + header.biSize);
  info->pixels = bytes + tableEnd;
  return true;
}

FullPalette::FullPalette(const DibInfo& info) : entry{} {
  const uint32_t n = info.colors < 256 ? info.colors : 256;
  if (n != 0) std::memcpy(entry, info.table, n * sizeof(RGBQUAD));
}

namespace {

template <int kBits>
void ExpandIndexed(const FullPalette& palette, const uint8_t* row, int32_t width, uint8_t* bgr) {
  for (int32_t x = 0; x < width; ++x, bgr += 3) {
    const RGBQUAD& c = palette.entry[IndexAt(row, x, kBits)];
    bgr[0] = c.rgbBlue;
    bgr[1] = c.rgbGreen;
    bgr[2] = c.rgbRed;
  }
}

}  // namespace

void ExpandBgr(const DibInfo& info, const FullPalette& palette, const uint8_t* row, uint8_t* bgr) {
  switch (info.bits) {
    case 24: std::memcpy(bgr, row, static_cast<size_t>(info.width) * 3); break;
    case 8: ExpandIndexed<8>(palette, row, info.width, bgr); break;
    case 4: ExpandIndexed<4>(palette, row, info.width, bgr); break;
    default: ExpandIndexed<1>(palette, row, info.width, bgr);
  }
}

void PackIndices(const uint8_t* indices, int32_t width, int bits, uint8_t* row) {
  if (bits == 8) {
    std::memcpy(row, indices, static_cast<size_t>(width));
    return;
  }
  const int perByte = 8 / bits;
  const int32_t bytes = (width + perByte - 1) / perByte;
  for (int32_t i = 0; i < bytes; ++i) {
    unsigned value = 0;
    for (int k = 0; k < perByte; ++k) {
      const int32_t x = i * perByte + k;
      const unsigned index = x < width ? indices[x] : 0;
      value = value << bits | (index & ((1u << bits) - 1));
    }
    row[i] = static_cast<uint8_t>(value);
  }
}

}  // namespace quill::tiff
