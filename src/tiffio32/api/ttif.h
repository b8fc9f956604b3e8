// TTIF: the working context of one exported call: the file or stream, its byte order and its chain of
// directories, walked once when the call starts.  Nothing outlives the call.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "container/byte_order.h"
#include "container/tiff_io.h"

namespace quill::tiff {

constexpr uint16_t kNewSubfileType = 254;
constexpr uint32_t kMinTiffSize = 100;  // anything shorter is not taken for a TIFF file
constexpr size_t kMaxIfds = 65535;      // a longer chain is cut here; page numbers are 16-bit anyway

struct IfdLink {
  uint32_t offset = 0;   // where the directory starts
  uint32_t linkPos = 0;  // where the offset pointing to it is stored (4: the header)
  uint32_t nextPos = 0;  // where its own next-directory offset is stored
  uint32_t next = 0;
  bool firstIsNewSubfileType = false;
  bool hidden = false;  // NewSubfileType 1 first: a reduced-resolution image or a deleted page
};

class TTIF {
 public:
  explicit TTIF(std::unique_ptr<TiffIo> io) : io_(std::move(io)) {}

  // Reads the header and walks the chain; false when the target is missing, too short, not a TIFF or
  // its chain leaves the file.
  bool Load();
  // A new, empty TIFF: "II", 42, no directory.
  bool WriteHeader();

  TiffIo& io() { return *io_; }
  // Hands the target back (the context is done with it).
  std::unique_ptr<TiffIo> ReleaseIo() { return std::move(io_); }
  const ByteOrder& order() const { return order_; }
  const std::vector<IfdLink>& ifds() const { return ifds_; }

  int PageCount() const;
  // The index in ifds() of the page, or -1 when there is no such page.
  int IfdOfPage(int page) const;
  // Records a directory just written and linked at the end of the chain.
  void Appended(uint32_t offset, uint32_t nextPos);
  // Where a new directory is linked from: the last directory's next offset, or the header's.
  uint32_t TailLinkPos() const { return ifds_.empty() ? 4 : ifds_.back().nextPos; }

 private:
  bool ReadLink(uint32_t offset, uint32_t linkPos, IfdLink* link);

  std::unique_ptr<TiffIo> io_;
  ByteOrder order_;
  std::vector<IfdLink> ifds_;
};

}  // namespace quill::tiff
