// Uncompressed and PackBits rows, and the choice of encoder.
#include "codecs/row_encoder.h"

#include <cstring>

#include "codecs/packbits.h"
#include "container/page_description.h"

namespace quill::tiff {
namespace {

class RawEncoder : public RowEncoder {
 public:
  explicit RawEncoder(size_t rowBytes) : rowBytes_(rowBytes) {}
  void EncodeRow(const uint8_t* row, ByteSink& sink) override { sink.Put(row, rowBytes_); }

 private:
  size_t rowBytes_;
};

class PackBitsEncoder : public RowEncoder {
 public:
  explicit PackBitsEncoder(size_t rowBytes) : rowBytes_(rowBytes) {}
  void EncodeRow(const uint8_t* row, ByteSink& sink) override {
    uint8_t* out = sink.Reserve(PackBitsBound(rowBytes_));
    sink.Commit(out + PackBitsRow(row, rowBytes_, out));
  }

 private:
  size_t rowBytes_;
};

}  // namespace

std::unique_ptr<RowEncoder> MakeRowEncoder(uint32_t compression, uint32_t width, size_t rowBytes) {
  switch (compression) {
    case kNone: return std::make_unique<RawEncoder>(rowBytes);
    case kLzw: return MakeLzwEncoder(rowBytes);
    case kPackBits: return std::make_unique<PackBitsEncoder>(rowBytes);
    default: return MakeCcittEncoder(compression, width);
  }
}

}  // namespace quill::tiff
