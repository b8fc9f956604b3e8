// Tags: values of short entries, texts of the text tags, each changed in place.
#include "container/tags.h"

#include <cstring>
#include <vector>

#include "container/ifd.h"

namespace quill::tiff {
namespace {

constexpr uint16_t kXResolution = 282;
constexpr uint16_t kYResolution = 283;

bool IsTextTag(uint32_t tag) {
  switch (tag) {
    case 269:
    case 270:
    case 271:
    case 272:
    case 285:
    case 305:
    case 306:
    case 315:
    case 316: return true;
    default: return false;
  }
}

bool IsResolution(const IfdEntry& e) {
  return (e.tag == kXResolution || e.tag == kYResolution) && e.type == kRational;
}

// The value of an entry of at most 4 values: its value field (in a big-endian file the first half for
// BYTE, ASCII and SHORT), or a resolution's numerator divided by its denominator.
uint32_t ShortEntryValue(TTIF& tif, const IfdEntry& e) {
  uint32_t numerator = 0, denominator = 0;
  if (IsResolution(e) && ReadRational(tif.io(), tif.order(), e, &numerator, &denominator)) {
    return denominator == 0 ? numerator : numerator / denominator;
  }
  if (tif.order().big && e.type >= 1 && e.type <= 3) return tif.order().Get16(e.field);
  return tif.order().Get32(e.field);
}

bool LoadIfd(TTIF& tif, int page, Ifd* ifd) {
  const int index = tif.IfdOfPage(page);
  return index >= 0 && ReadIfd(tif.io(), tif.order(), tif.ifds()[index].offset, ifd);
}

bool IsLongText(const IfdEntry& e) {
  return IsTextTag(e.tag) && e.count > 4;
}

// The text of a long text tag in a block of its own (count bytes and a closing zero), locked.
char* TextBlock(TTIF& tif, const IfdEntry& e) {
  const uint32_t offset = tif.order().Get32(e.field);
  if (offset > tif.io().Size() || e.count > tif.io().Size() - offset) return nullptr;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size_t{e.count} + 1);
  auto* text = static_cast<char*>(GlobalLock(block));
  if (text == nullptr || !tif.io().Read(offset, text, e.count)) {
    GlobalFree(block);
    return nullptr;
  }
  return text;
}

}  // namespace

bool ReturnTags(TTIF& tif, int page, int32_t user, TiffTagProc callback) {
  Ifd ifd;
  if (!LoadIfd(tif, page, &ifd)) return false;
  std::vector<char*> texts(ifd.entries.size(), nullptr);
  for (size_t i = 0; i < ifd.entries.size(); ++i) {
    if (!IsLongText(ifd.entries[i])) continue;
    texts[i] = TextBlock(tif, ifd.entries[i]);
    if (texts[i] == nullptr) {
      for (char* t : texts) GlobalFree(GlobalHandle(t));
      return false;
    }
  }
  for (size_t i = 0; i < ifd.entries.size(); ++i) {
    const IfdEntry& e = ifd.entries[i];
    if (e.count <= 4 && callback != nullptr) {
      callback(e.tag, static_cast<int32_t>(e.count), static_cast<int32_t>(ShortEntryValue(tif, e)), nullptr, user);
    } else if (texts[i] != nullptr && callback != nullptr) {
      callback(e.tag, static_cast<int32_t>(e.count), static_cast<int32_t>(tif.order().Get32(e.field)), texts[i], user);
    } else {
      GlobalFree(GlobalHandle(texts[i]));
    }
  }
  return true;
}

bool ReadTag(TTIF& tif, int page, int tag, int16_t* count, int32_t* value, char** text) {
  Ifd ifd;
  if (!LoadIfd(tif, page, &ifd)) return false;
  for (const IfdEntry& e : ifd.entries) {
    if (e.tag != tag) continue;
    if (e.count <= 4) {
      *count = static_cast<int16_t>(e.count);
      *value = static_cast<int32_t>(ShortEntryValue(tif, e));
      return true;
    }
    if (!IsLongText(e)) continue;
    if (text == nullptr || *text == nullptr) return true;  // the caller did not ask for the text
    char* block = TextBlock(tif, e);
    if (block == nullptr) return false;
    *text = block;
    *count = static_cast<int16_t>(e.count);
    *value = static_cast<int32_t>(tif.order().Get32(e.field));
    return true;
  }
  return false;
}

bool WriteTag(TTIF& tif, int page, int tag, int32_t value) {
  Ifd ifd;
  if (!LoadIfd(tif, page, &ifd)) return false;
  const ByteOrder& order = tif.order();
  for (const IfdEntry& e : ifd.entries) {
    if (e.tag != tag || e.count > 4) continue;
    uint8_t raw[8];
    if (IsResolution(e)) {
      order.Put32(raw, static_cast<uint32_t>(value));
      order.Put32(raw + 4, 1);
      return tif.io().Write(order.Get32(e.field), raw, 8);
    }
    if (order.big && e.type >= 1 && e.type <= 3) {
      order.Put16(raw, static_cast<uint32_t>(value));
      return tif.io().Write(e.FieldPosition(), raw, 2);
    }
    order.Put32(raw, static_cast<uint32_t>(value));
    return tif.io().Write(e.FieldPosition(), raw, 4);
  }
  return false;
}

bool WriteTagString(TTIF& tif, int page, int tag, const char* text) {
  Ifd ifd;
  if (!LoadIfd(tif, page, &ifd)) return false;
  for (const IfdEntry& e : ifd.entries) {
    if (e.tag != tag || !IsLongText(e)) continue;
    const uint32_t offset = tif.order().Get32(e.field);
    if (offset > tif.io().Size() || e.count > tif.io().Size() - offset) return false;
    // Cut to leave the closing zero, padded with zeros; count and offset stay.
    std::vector<char> bytes(e.count, 0);
    if (text != nullptr) std::strncpy(bytes.data(), text, e.count - 1);
    return tif.io().Write(offset, bytes.data(), bytes.size());
  }
  return false;
}

}  // namespace quill::tiff
