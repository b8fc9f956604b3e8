// The page walk: every directory of the chain, each a page unless its first entry is NewSubfileType 1.
#include "api/ttif.h"

#include <unordered_set>

#include "container/ifd.h"

namespace quill::tiff {

bool TTIF::Load() {
  if (!io_ || io_->Size() < kMinTiffSize) return false;
  uint8_t header[8];
  if (!io_->Read(0, header, 8)) return false;
  if (header[0] == 'I' && header[1] == 'I') {
    order_.big = false;
  } else if (header[0] == 'M' && header[1] == 'M') {
    order_.big = true;
  } else {
    return false;
  }
  if (order_.Get16(header + 2) != 42) return false;
  ifds_.clear();
  std::unordered_set<uint32_t> seen;
  uint32_t linkPos = 4;
  // A directory met twice (a chain running in a circle) ends the chain, as one pointing at itself does.
  for (uint32_t offset = order_.Get32(header + 4); offset != 0 && ifds_.size() < kMaxIfds;) {
    if (!seen.insert(offset).second) break;
    IfdLink link;
    if (!ReadLink(offset, linkPos, &link)) return false;
    ifds_.push_back(link);
    linkPos = link.nextPos;
    offset = link.next;
  }
  return true;
}

bool TTIF::ReadLink(uint32_t offset, uint32_t linkPos, IfdLink* link) {
  uint8_t countBytes[2];
  if (!io_->Read(offset, countBytes, 2)) return false;
  uint32_t count = order_.Get16(countBytes);
  uint64_t nextPos = uint64_t{offset} + 2 + uint64_t{count} * 12;
  uint8_t next[4];
  if (!io_->Read(nextPos, next, 4)) return false;
  link->offset = offset;
  link->linkPos = linkPos;
  link->nextPos = static_cast<uint32_t>(nextPos);
  link->next = order_.Get32(next);
  uint8_t first[12];
  if (count > 0 && io_->Read(uint64_t{offset} + 2, first, 12) && order_.Get16(first) == kNewSubfileType) {
    link->firstIsNewSubfileType = true;
    uint16_t type = order_.Get16(first + 2);
    uint32_t value = type == kShort ? order_.Get16(first + 8) : type == kByte ? first[8] : order_.Get32(first + 8);
    link->hidden = value == 1;
  }
  return true;
}

bool TTIF::WriteHeader() {
  order_.big = false;
  ifds_.clear();
  const uint8_t header[8] = {'I', 'I', 42, 0, 0, 0, 0, 0};
  return io_->Write(0, header, 8);
}

void TTIF::Appended(uint32_t offset, uint32_t nextPos) {
  IfdLink link;
  link.offset = offset;
  link.linkPos = TailLinkPos();
  link.nextPos = nextPos;
  link.firstIsNewSubfileType = true;
  ifds_.push_back(link);
}

int TTIF::PageCount() const {
  int pages = 0;
  for (const IfdLink& l : ifds_) pages += l.hidden ? 0 : 1;
  return pages;
}

int TTIF::IfdOfPage(int page) const {
  if (page < 0) return -1;
  for (size_t i = 0; i < ifds_.size(); ++i) {
    if (ifds_[i].hidden) continue;
    if (page-- == 0) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quill::tiff
