// Uncompressed rows, and the choice of decoder.
#include "codecs/row_decoder.h"

#include "container/strip_source.h"

namespace quill::tiff {
namespace {

class RawDecoder : public RowDecoder {
 public:
  RawDecoder(TiffIo& io, size_t rowBytes) : src_(io, false), rowBytes_(rowBytes) {}
  bool BeginStrip(uint32_t offset) override { return src_.Seek(offset); }
  bool DecodeRow(uint8_t* out) override { return src_.Take(out, rowBytes_); }

 private:
  StripSource src_;
  size_t rowBytes_;
};

}  // namespace

std::unique_ptr<RowDecoder> MakeRawDecoder(TiffIo& io, size_t rowBytes) {
  return std::make_unique<RawDecoder>(io, rowBytes);
}

std::unique_ptr<RowDecoder> MakeRowDecoder(TiffIo& io, const PageDescription& page, size_t rowBytes) {
  switch (page.compression) {
    case kNone: return MakeRawDecoder(io, rowBytes);
    case kLzw: return MakeLzwDecoder(io, rowBytes);
    case kPackBits: return MakePackBitsDecoder(io, rowBytes);
    default: return MakeCcittDecoder(io, page);
  }
}

}  // namespace quill::tiff
