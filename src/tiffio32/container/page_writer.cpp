// Writing a page: strips of encoded rows, the values that do not fit in an entry, the directory, and
// last the link that makes the page part of the file.
#include "container/page_writer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "codecs/rgb_swap.h"
#include "codecs/row_encoder.h"
#include "container/byte_sink.h"
#include "container/ifd_writer.h"
#include "container/page_description.h"

namespace quill::tiff {
namespace {

const char kSoftware[] = "QUILLMARK tiffio32 1.0";

struct StripPlan {
  uint32_t rowsPerStrip = 1;
  uint32_t strips = 1;
};

// Strips of about 8 KB, at most 200 of them.
StripPlan PlanStrips(uint64_t rowBytes, uint32_t height) {
  const uint64_t n = std::clamp<uint64_t>((rowBytes * height + 8095) / 8096, 1, 200);
  StripPlan plan;
  plan.rowsPerStrip = static_cast<uint32_t>((height + n - 1) / n);
  plan.strips = (height + plan.rowsPerStrip - 1) / plan.rowsPerStrip;
  return plan;
}

// Dots per inch from pels per metre, rounded half up; 300 when that gives nothing.
uint32_t DotsPerInch(int32_t pelsPerMeter) {
  const double dpi = std::floor(pelsPerMeter / 39.37 + 0.5);
  if (dpi <= 0) return 300;
  return static_cast<uint32_t>(std::min(dpi, 42949672.0));
}

uint32_t Photometric(int bits, uint32_t compression) {
  if (bits == 24) return 2;
  if (bits > 1) return 3;
  // Min-is-white for the CCITT schemes, whose white runs are the DIB's 1 bits.
  return compression == kHuffman || compression == kGroup3 || compression == kGroup4 ? 0 : 1;
}

// Rows in the file's layout: RGB for 24 bits, 1 bits white for a black-and-white DIB whose table has
// white first.  The caller's DIB is never changed.
class RowSource {
 public:
  explicit RowSource(const DibInfo& dib)
      : dib_(dib), rowBytes_((uint64_t{static_cast<uint32_t>(dib.width)} * dib.bits + 7) / 8) {
    invert_ = dib.bits == 1 && dib.colors >= 2 && Luma(dib.table[0]) > Luma(dib.table[1]);
    if (dib.bits == 24 || invert_) copy_.resize(rowBytes_);
  }
  size_t rowBytes() const { return rowBytes_; }

  const uint8_t* Row(uint32_t top) {
    const uint8_t* row = dib_.TopRow(static_cast<int32_t>(top));
    if (copy_.empty()) return row;
    if (invert_) {
      for (size_t i = 0; i < rowBytes_; ++i) copy_[i] = static_cast<uint8_t>(~row[i]);
    } else {
      SwapRedBlue(row, copy_.data(), rowBytes_ / 3);
    }
    return copy_.data();
  }

 private:
  static int Luma(const RGBQUAD& c) { return c.rgbRed * 30 + c.rgbGreen * 59 + c.rgbBlue * 11; }

  const DibInfo& dib_;
  size_t rowBytes_;
  bool invert_ = false;
  std::vector<uint8_t> copy_;
};

struct StripTable {
  std::vector<uint32_t> offsets;
  std::vector<uint32_t> counts;
};

bool WriteStrips(TiffIo& io, uint64_t start, const DibInfo& dib, uint32_t compression, const StripPlan& plan,
                 const Progress& progress, StripTable* table) {
  RowSource rows(dib);
  auto encoder = MakeRowEncoder(compression, static_cast<uint32_t>(dib.width), rows.rowBytes());
  ByteSink sink(io, start);
  const uint32_t height = static_cast<uint32_t>(dib.height);
  const uint64_t total = uint64_t{height} * dib.stride;
  uint64_t reported = 0;
  for (uint32_t s = 0, row = 0; s < plan.strips; ++s) {
    const uint64_t offset = sink.Position();
    encoder->BeginStrip(sink);
    for (const uint32_t end = std::min(height, row + plan.rowsPerStrip); row < end; ++row) {
      encoder->EncodeRow(rows.Row(row), sink);
      const uint64_t done = uint64_t{row + 1} * dib.stride;
      if (done - reported > total / 50) {
        reported = done;
        if (!progress.Report(static_cast<int64_t>(done * 100 / total))) return false;
      }
    }
    encoder->EndStrip(sink, s + 1 == plan.strips);
    sink.Flush();
    if (!sink.ok() || sink.Position() > kMaxTiffSize) return false;
    table->offsets.push_back(static_cast<uint32_t>(offset));
    table->counts.push_back(static_cast<uint32_t>(sink.Position() - offset));
  }
  return progress.Report(100);
}

void AddColorMap(const DibInfo& dib, IfdBuilder* ifd) {
  const uint32_t entries = 1u << dib.bits;
  std::vector<uint32_t> map(3 * entries, 0);
  for (uint32_t i = 0; i < entries && i < dib.colors; ++i) {
    map[i] = dib.table[i].rgbRed * 65535u / 255;
    map[entries + i] = dib.table[i].rgbGreen * 65535u / 255;
    map[2 * entries + i] = dib.table[i].rgbBlue * 65535u / 255;
  }
  ifd->Shorts(320, map);
}

void BuildIfd(const DibInfo& dib, uint32_t compression, const StripPlan& plan, const StripTable& strips,
              IfdBuilder* ifd) {
  ifd->Long(254, 0);
  ifd->Short(256, static_cast<uint32_t>(dib.width));
  ifd->Short(257, static_cast<uint32_t>(dib.height));
  ifd->Shorts(258, dib.bits == 24 ? std::vector<uint32_t>{8, 8, 8} : std::vector<uint32_t>{uint32_t(dib.bits)});
  ifd->Short(259, compression);
  ifd->Short(262, Photometric(dib.bits, compression));
  ifd->Longs(273, strips.offsets);
  ifd->Short(277, dib.bits == 24 ? 3 : 1);
  ifd->Short(278, plan.rowsPerStrip);
  ifd->Longs(279, strips.counts);
  ifd->Rational(282, DotsPerInch(dib.xPelsPerMeter) * 100, 100);
  ifd->Rational(283, DotsPerInch(dib.yPelsPerMeter) * 100, 100);
  if (compression == kGroup3) ifd->Long(292, 4);
  ifd->Short(296, 2);
  ifd->Ascii(305, kSoftware);
  if (dib.bits == 4 || dib.bits == 8) AddColorMap(dib, ifd);
}

}  // namespace

uint32_t TiffCompression(int callerCode) {
  switch (callerCode) {
    case 0:
    case 1: return kNone;
    case 2: return kHuffman;
    case 3: return kGroup3;
    case 4: return kGroup4;
    case 5: return kLzw;
    default: return kPackBits;
  }
}

bool WritePage(TTIF& tif, const DibInfo& dib, uint32_t compression, const Progress& progress) {
  const bool ccitt = compression == kHuffman || compression == kGroup3 || compression == kGroup4;
  if ((dib.bits != 1 && dib.bits != 4 && dib.bits != 8 && dib.bits != 24) || (ccitt && dib.bits != 1)) return false;
  TiffIo& io = tif.io();
  uint64_t start = io.Size();
  if (start & 1) {
    const uint8_t zero = 0;
    if (!io.Write(start++, &zero, 1)) return false;
  }
  const StripPlan plan =
      PlanStrips((uint64_t{static_cast<uint32_t>(dib.width)} * dib.bits + 7) / 8, static_cast<uint32_t>(dib.height));
  StripTable strips;
  if (!WriteStrips(io, start, dib, compression, plan, progress, &strips)) return false;
  IfdBuilder ifd(tif.order());
  BuildIfd(dib, compression, plan, strips, &ifd);
  uint32_t ifdOffset = 0;
  if (!ifd.Write(io, io.Size(), &ifdOffset)) return false;
  uint8_t link[4];
  tif.order().Put32(link, ifdOffset);
  if (!io.Write(tif.TailLinkPos(), link, 4)) return false;
  tif.Appended(ifdOffset, ifd.NextPosition(ifdOffset));
  return true;
}

}  // namespace quill::tiff
