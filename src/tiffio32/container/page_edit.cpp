// Swap, move and delete.
#include "container/page_edit.h"

#include <algorithm>

#include "container/ifd.h"

namespace quill::tiff {
namespace {

// Every directory up to and including the later of the two is safe to edit.
bool EditableUpTo(const TTIF& tif, int ifdA, int ifdB) {
  const auto& ifds = tif.ifds();
  const int last = std::max(ifdA, ifdB);
  return std::all_of(ifds.begin(), ifds.begin() + last + 1, [](const IfdLink& l) { return l.firstIsNewSubfileType; });
}

bool ReadOffset(TTIF& tif, uint32_t position, uint32_t* value) {
  uint8_t raw[4];
  if (!tif.io().Read(position, raw, 4)) return false;
  *value = tif.order().Get32(raw);
  return true;
}

bool WriteOffset(TTIF& tif, uint32_t position, uint32_t value) {
  uint8_t raw[4];
  tif.order().Put32(raw, value);
  return tif.io().Write(position, raw, 4);
}

// The directories of two different pages, both editable; false otherwise.
bool FindPair(const TTIF& tif, int pageA, int pageB, const IfdLink** a, const IfdLink** b) {
  const int ia = tif.IfdOfPage(pageA), ib = tif.IfdOfPage(pageB);
  if (pageA == pageB || ia < 0 || ib < 0 || !EditableUpTo(tif, ia, ib)) return false;
  *a = &tif.ifds()[ia];
  *b = &tif.ifds()[ib];
  return true;
}

}  // namespace

bool SwapPages(TTIF& tif, int pageA, int pageB) {
  const IfdLink *a = nullptr, *b = nullptr;
  if (!FindPair(tif, pageA, pageB, &a, &b)) return false;
  if (!WriteOffset(tif, a->linkPos, b->offset) || !WriteOffset(tif, b->linkPos, a->offset)) return false;
  // Read after the first rewrites, so that neighbours swap correctly.
  uint32_t nextA = 0, nextB = 0;
  return ReadOffset(tif, a->nextPos, &nextA) && ReadOffset(tif, b->nextPos, &nextB) &&
         WriteOffset(tif, a->nextPos, nextB) && WriteOffset(tif, b->nextPos, nextA);
}

bool MovePage(TTIF& tif, int target, int page) {
  const IfdLink *moved = nullptr, *before = nullptr;
  if (!FindPair(tif, page, target, &moved, &before)) return false;
  if (moved->next == before->offset) return true;  // already in place
  return WriteOffset(tif, moved->linkPos, moved->next) && WriteOffset(tif, before->linkPos, moved->offset) &&
         WriteOffset(tif, moved->nextPos, before->offset);
}

bool DeletePage(TTIF& tif, int page) {
  const int index = tif.IfdOfPage(page);
  if (index < 0 || !EditableUpTo(tif, index, index)) return false;
  uint8_t entry[12];
  const ByteOrder& order = tif.order();
  order.Put16(entry, kNewSubfileType);
  order.Put16(entry + 2, kLong);
  order.Put32(entry + 4, 1);
  order.Put32(entry + 8, 1);
  return tif.io().Write(uint64_t{tif.ifds()[index].offset} + 2, entry, sizeof entry);
}

}  // namespace quill::tiff
