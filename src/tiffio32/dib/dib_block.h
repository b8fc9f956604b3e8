// The conversions' hold on movable blocks: the caller's DIB locked and checked for the time of a
// conversion, and a new DIB being filled before it is handed over.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dib/dib_layout.h"
#include "tiffio32.h"

namespace quill::tiff {

// The caller's DIB, locked while this lives; ok() only when it is a sound packed DIB.
class InputDib {
 public:
  explicit InputDib(HGLOBAL dib);
  ~InputDib();
  InputDib(const InputDib&) = delete;
  InputDib& operator=(const InputDib&) = delete;

  bool ok() const { return ok_; }
  const DibInfo& info() const { return info_; }
  // The header as stored (only when ok()).
  const BITMAPINFOHEADER& header() const { return *static_cast<const BITMAPINFOHEADER*>(bytes_); }

 private:
  HGLOBAL dib_;
  const void* bytes_;
  DibInfo info_;
  bool ok_ = false;
};

// A new zero-filled DIB (biSize 40, one plane, uncompressed, bottom-up).  Freed when this goes unless
// Release() handed it over.
class NewDib {
 public:
  NewDib(int32_t width, int32_t height, int bits, uint32_t colors, int32_t xPelsPerMeter, int32_t yPelsPerMeter);
  // Same size and resolution as the source.
  NewDib(const DibInfo& like, int bits, uint32_t colors);
  ~NewDib();
  NewDib(const NewDib&) = delete;
  NewDib& operator=(const NewDib&) = delete;

  bool ok() const { return bytes_ != nullptr; }
  RGBQUAD* table() { return reinterpret_cast<RGBQUAD*>(bytes_ + sizeof(BITMAPINFOHEADER)); }
  size_t stride() const { return stride_; }
  // The stored row that shows picture row y, counted from the top.
  uint8_t* TopRow(int32_t y) { return pixels_ + static_cast<size_t>(height_ - 1 - y) * stride_; }
  // Stored row r, counted from the bottom.
  uint8_t* Row(int32_t r) { return pixels_ + static_cast<size_t>(r) * stride_; }
  // Unlocks the block and hands it to the caller.
  HGLOBAL Release();

 private:
  HGLOBAL dib_ = nullptr;
  uint8_t* bytes_ = nullptr;
  uint8_t* pixels_ = nullptr;
  size_t stride_ = 0;
  int32_t height_ = 0;
};

// The table black (entry 0), white (entry 1, every byte 0xFF) of the black-and-white pictures.
void SetBlackWhiteTable(RGBQUAD* table);
// The gray ramp: entry i is (i, i, i).
void SetGrayRamp(RGBQUAD* table, int entries);

}  // namespace quill::tiff
