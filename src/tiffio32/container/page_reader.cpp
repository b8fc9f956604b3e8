// Strips to rows, rows to a DIB (top row of the picture last in the block).
#include "container/page_reader.h"

#include <memory>
#include <vector>

#include "codecs/predictor.h"
#include "codecs/row_decoder.h"
#include "codecs/row_shaper.h"
#include "container/ifd.h"
#include "container/page_description.h"
#include "dib/dib_block.h"
#include "dib/dib_layout.h"

namespace quill::tiff {
namespace {

class PageDecoder {
 public:
  PageDecoder(TiffIo& io, const ByteOrder& order, const PageDescription& page)
      : page_(page), big_(order.big), planeRowBytes_(static_cast<size_t>(page.PlaneRowBytes())) {
    for (uint32_t p = 0; p < page.planes; ++p) decoders_.push_back(MakeRowDecoder(io, page, planeRowBytes_));
    if (page.planes > 1) plane_.resize(planeRowBytes_);
  }

  // Bytes of a stored row, all samples of a pixel together.
  size_t RowBytes() const { return planeRowBytes_ * page_.planes; }

  // Decodes the stored row `row` of the picture into out; false on damaged data.
  bool Row(uint32_t row, uint8_t* out) {
    if (row % page_.rowsPerStrip == 0 && !BeginStrips(row / page_.rowsPerStrip)) return false;
    if (page_.planes == 1) {
      if (!DecodePlane(0, out)) return false;
    } else {
      for (uint32_t p = 0; p < page_.planes; ++p) {
        if (!DecodePlane(p, plane_.data())) return false;
        Interleave(p, out);
      }
    }
    if (Inverted()) {
      for (uint8_t* b = out; b < out + RowBytes(); ++b) *b = static_cast<uint8_t>(~*b);
    }
    return true;
  }

 private:
  // Min-is-white samples are turned over so that 1 bits (and high values) are light.  The CCITT
  // decoders already deliver white as 1; a Group 3 or 4 page marked min-is-black has its runs the other
  // way round.  Modified Huffman pages marked min-is-black are taken as min-is-white, as this library
  // used to write them.
  bool Inverted() const {
    if (!page_.IsCcitt()) return page_.photometric == 0;
    return page_.photometric == 1 && page_.compression != kHuffman;
  }

  bool BeginStrips(uint32_t strip) {
    for (uint32_t p = 0; p < page_.planes; ++p) {
      if (!decoders_[p]->BeginStrip(page_.stripOffsets[size_t{p} * page_.strips + strip])) return false;
    }
    return true;
  }

  bool DecodePlane(uint32_t p, uint8_t* out) {
    if (!decoders_[p]->DecodeRow(out)) return false;
    bool predicted = page_.predictor == 2 && (page_.compression == kLzw || page_.compression == kPackBits);
    if (predicted) {
      uint32_t samples = page_.planes > 1 ? 1 : page_.samplesPerPixel;
      UndoHorizontalDifferencing(out, planeRowBytes_, page_.bitsPerSample, samples, big_);
    }
    return true;
  }

  // Places plane p's samples (8 or 16 bits) among the pixel's others.
  void Interleave(uint32_t p, uint8_t* out) const {
    const size_t step = page_.bitsPerSample / 8, planes = page_.planes;
    for (size_t x = 0; x < page_.width; ++x) {
      for (size_t b = 0; b < step; ++b) out[(x * planes + p) * step + b] = plane_[x * step + b];
    }
  }

  const PageDescription& page_;
  bool big_;
  size_t planeRowBytes_;
  std::vector<std::unique_ptr<RowDecoder>> decoders_;
  std::vector<uint8_t> plane_;
};

bool DecodeRows(TiffIo& io, const ByteOrder& order, const PageDescription& page, const RowShaper& shaper, NewDib& dib,
                const Progress& progress) {
  PageDecoder decoder(io, order, page);
  // Rows the DIB takes as stored (or with a change in place) are decoded straight into it.
  std::vector<uint8_t> stored(shaper.InPlace() ? 0 : decoder.RowBytes());
  const uint32_t every = page.height / 50 > 0 ? page.height / 50 : 1;
  for (uint32_t row = 0; row < page.height; ++row) {
    uint8_t* out = dib.TopRow(static_cast<int32_t>(row));
    if (!decoder.Row(row, stored.empty() ? out : stored.data())) return false;
    if (stored.empty()) {
      shaper.ShapeInPlace(out);
    } else {
      shaper.Shape(stored.data(), out);
    }
    uint32_t done = row + 1;
    if (done % every == 0 && done < page.height && !progress.Report(int64_t{done} * 100 / page.height)) return false;
  }
  return progress.Report(100);
}

}  // namespace

HGLOBAL ReadPage(TTIF& tif, int page, const Progress& progress) {
  int index = tif.IfdOfPage(page);
  if (index < 0) return nullptr;
  Ifd ifd;
  PageDescription description;
  if (!ReadIfd(tif.io(), tif.order(), tif.ifds()[index].offset, &ifd) ||
      !DescribePage(tif.io(), tif.order(), ifd, &description)) {
    return nullptr;
  }
  const RowShaper shaper(description, tif.order().big);
  if (description.width > INT32_MAX || description.height > INT32_MAX) return nullptr;
  const auto width = static_cast<int32_t>(description.width), height = static_cast<int32_t>(description.height);
  if ((uint64_t{description.height} + 1) * DibStride(width, shaper.DibBits()) > kMaxDibBytes) return nullptr;
  const std::vector<RGBQUAD> table = shaper.ColorTable();
  NewDib dib(width, height, shaper.DibBits(), static_cast<uint32_t>(table.size()),
             PelsPerMeter(description.xNumerator, description.xDenominator, description.resolutionUnit),
             PelsPerMeter(description.yNumerator, description.yDenominator, description.resolutionUnit));
  if (!dib.ok()) return nullptr;
  std::copy(table.begin(), table.end(), dib.table());
  if (!DecodeRows(tif.io(), tif.order(), description, shaper, dib, progress)) return nullptr;
  return dib.Release();
}

}  // namespace quill::tiff
