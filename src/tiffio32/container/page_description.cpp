// Reading a page's directory into its description.
#include "container/page_description.h"

namespace quill::tiff {
namespace {

enum Tag : uint16_t {
  kImageWidth = 256,
  kImageLength = 257,
  kBitsPerSample = 258,
  kCompressionTag = 259,
  kPhotometric = 262,
  kFillOrder = 266,
  kStripOffsets = 273,
  kSamplesPerPixel = 277,
  kRowsPerStrip = 278,
  kXResolution = 282,
  kYResolution = 283,
  kPlanarConfiguration = 284,
  kT4Options = 292,
  kT6Options = 293,
  kResolutionUnit = 296,
  kPredictor = 317,
  kColorMap = 320,
  kExtraSamples = 338,
};

constexpr uint64_t kMaxRowBytes = 64u << 20;

class TagReader {
 public:
  TagReader(TiffIo& io, const ByteOrder& order, const Ifd& ifd) : io_(io), order_(order), ifd_(ifd) {}

  // Leaves value alone when the tag is missing; false when it is there but unreadable.
  bool Integer(uint16_t tag, uint32_t* value) {
    const IfdEntry* e = ifd_.Find(tag);
    return e == nullptr || ReadInteger(io_, order_, *e, value);
  }
  bool Integers(uint16_t tag, uint32_t want, std::vector<uint32_t>* values) {
    const IfdEntry* e = ifd_.Find(tag);
    return e == nullptr || ReadIntegers(io_, order_, *e, want, values);
  }
  bool Rational(uint16_t tag, uint32_t* numerator, uint32_t* denominator) {
    const IfdEntry* e = ifd_.Find(tag);
    if (e == nullptr) return true;
    if (!ReadRational(io_, order_, *e, numerator, denominator)) return false;
    if (*denominator == 0) *denominator = 1;
    return true;
  }
  const IfdEntry* Find(uint16_t tag) const { return ifd_.Find(tag); }

 private:
  TiffIo& io_;
  const ByteOrder& order_;
  const Ifd& ifd_;
};

bool ReadBitsPerSample(TagReader& tags, PageDescription* page) {
  std::vector<uint32_t> bits;
  if (!tags.Integers(kBitsPerSample, 3, &bits)) return false;
  if (bits.empty()) return true;
  if (bits.size() >= 3 && (bits[0] != bits[1] || bits[0] != bits[2])) return false;
  page->bitsPerSample = bits[0];
  return true;
}

bool ReadColorMap(TiffIo& io, const ByteOrder& order, const IfdEntry* e, PageDescription* page) {
  if (e == nullptr || page->bitsPerSample > 8 || e->type != kShort) return true;
  uint32_t entries = 1u << page->bitsPerSample;
  if (e->count != 3 * entries) return true;  // a map of another size is not this page's: keep the gray ramp
  std::vector<uint32_t> values;
  if (!ReadIntegers(io, order, *e, 3 * entries, &values)) return false;
  page->colorMap.assign(values.begin(), values.end());
  return true;
}

// Samples beyond the colour ones: declared by ExtraSamples, or implied by a second sample of a gray page
// and a fourth of an RGB one.
bool SettleSamples(TagReader& tags, PageDescription* page) {
  const IfdEntry* extra = tags.Find(kExtraSamples);
  uint32_t spp = page->samplesPerPixel;
  if (extra != nullptr) page->extraSamples = extra->count;
  if (page->extraSamples == 0 && (spp == 2 || (spp == 4 && page->photometric != 5))) page->extraSamples = 1;
  if (spp == 0 || page->extraSamples >= spp) return false;
  uint32_t colours = page->ColorSamples();
  if (page->IsCcitt()) return page->bitsPerSample == 1 && spp == 1;
  if (spp == 1) return page->bitsPerSample >= 1 && page->bitsPerSample <= 16;
  if (page->bitsPerSample != 8 && page->bitsPerSample != 16) return false;
  return colours == 1 || colours == 3 || (colours == 4 && page->photometric == 5);
}

bool SettleStrips(TagReader& tags, PageDescription* page) {
  if (page->rowsPerStrip == 0) return false;
  if (page->rowsPerStrip > page->height) page->rowsPerStrip = page->height;
  page->strips = (page->height + page->rowsPerStrip - 1) / page->rowsPerStrip;
  page->planes = page->planar == 2 ? page->samplesPerPixel : 1;
  uint64_t wanted = uint64_t{page->strips} * page->planes;
  if (tags.Find(kStripOffsets) == nullptr || wanted > 0xFFFFFFFFu) return false;
  if (!tags.Integers(kStripOffsets, static_cast<uint32_t>(wanted), &page->stripOffsets)) return false;
  return page->stripOffsets.size() == wanted && page->PlaneRowBytes() * page->planes <= kMaxRowBytes;
}

}  // namespace

bool DescribePage(TiffIo& io, const ByteOrder& order, const Ifd& ifd, PageDescription* page) {
  TagReader tags(io, order, ifd);
  if (!tags.Integer(kImageWidth, &page->width) || !tags.Integer(kImageLength, &page->height)) return false;
  if (page->width == 0 || page->height == 0) return false;
  if (!ReadBitsPerSample(tags, page)) return false;
  if (!tags.Integer(kCompressionTag, &page->compression) || !tags.Integer(kPhotometric, &page->photometric) ||
      !tags.Integer(kFillOrder, &page->fillOrder) || !tags.Integer(kSamplesPerPixel, &page->samplesPerPixel) ||
      !tags.Integer(kRowsPerStrip, &page->rowsPerStrip) || !tags.Integer(kT4Options, &page->t4Options) ||
      !tags.Integer(kT6Options, &page->t6Options) || !tags.Integer(kResolutionUnit, &page->resolutionUnit) ||
      !tags.Integer(kPredictor, &page->predictor)) {
    return false;
  }
  uint32_t c = page->compression;
  if (c != kNone && c != kHuffman && c != kGroup3 && c != kGroup4 && c != kLzw && c != kPackBits) return false;
  if (page->photometric > 5 || (page->predictor != 1 && page->predictor != 2)) return false;
  if (page->bitsPerSample > 1 && !tags.Integer(kPlanarConfiguration, &page->planar)) return false;
  if (page->planar != 1 && page->planar != 2) return false;
  if (!tags.Rational(kXResolution, &page->xNumerator, &page->xDenominator) ||
      !tags.Rational(kYResolution, &page->yNumerator, &page->yDenominator)) {
    return false;
  }
  if (!SettleSamples(tags, page) || !ReadColorMap(io, order, tags.Find(kColorMap), page)) return false;
  return SettleStrips(tags, page);
}

}  // namespace quill::tiff
