// What a page's directory says about its picture, with the defaults that stand for missing tags and the
// checks that refuse pages this library cannot read.
#pragma once

#include <cstdint>
#include <vector>

#include "container/ifd.h"

namespace quill::tiff {

enum Compression : uint32_t {
  kNone = 1,
  kHuffman = 2,  // CCITT modified Huffman
  kGroup3 = 3,
  kGroup4 = 4,
  kLzw = 5,
  kPackBits = 32773,
};

struct PageDescription {
  uint32_t width = 100;
  uint32_t height = 100;
  uint32_t bitsPerSample = 1;
  uint32_t samplesPerPixel = 1;
  uint32_t extraSamples = 0;  // samples beyond the colour ones (alpha and the like), dropped on reading
  uint32_t compression = kNone;
  uint32_t photometric = 0;
  uint32_t fillOrder = 1;
  uint32_t rowsPerStrip = 0xFFFFFFFFu;
  uint32_t planar = 1;
  uint32_t t4Options = 0;
  uint32_t t6Options = 0;
  uint32_t xNumerator = 300, xDenominator = 1;
  uint32_t yNumerator = 300, yDenominator = 1;
  uint32_t resolutionUnit = 2;
  uint32_t predictor = 1;
  std::vector<uint32_t> stripOffsets;  // strips, or strips x planes for planar configuration 2
  std::vector<uint16_t> colorMap;      // red, green and blue runs of 2^bits values each, or empty

  // Derived once the tags are read.
  uint32_t strips = 1;
  uint32_t planes = 1;  // strips per row band: the samples per pixel with planar configuration 2

  uint32_t BitsPerPixel() const { return bitsPerSample * samplesPerPixel; }
  uint32_t ColorSamples() const { return samplesPerPixel - extraSamples; }
  // Bytes of one stored row of one plane.
  uint64_t PlaneRowBytes() const { return (uint64_t{width} * bitsPerSample * (samplesPerPixel / planes) + 7) / 8; }
  bool IsCcitt() const { return compression >= kHuffman && compression <= kGroup4; }
};

// Fills the description from the directory; false for a page the reader refuses.
bool DescribePage(TiffIo& io, const ByteOrder& order, const Ifd& ifd, PageDescription* page);

}  // namespace quill::tiff
