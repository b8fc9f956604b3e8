// Directory entries and their values.
#include "container/ifd.h"

#include <algorithm>

namespace quill::tiff {

const IfdEntry* Ifd::Find(uint16_t tag) const {
  for (const IfdEntry& e : entries) {
    if (e.tag == tag) return &e;
  }
  return nullptr;
}

uint32_t TypeSize(uint16_t type) {
  switch (type) {
    case 1:
    case 2:
    case 6:
    case 7: return 1;
    case 3:
    case 8: return 2;
    case 4:
    case 9:
    case 11:
    case 13: return 4;
    case 5:
    case 10:
    case 12: return 8;
    default: return 0;
  }
}

bool ReadIfd(TiffIo& io, const ByteOrder& order, uint32_t offset, Ifd* ifd) {
  uint8_t countBytes[2];
  if (!io.Read(offset, countBytes, 2)) return false;
  uint32_t count = order.Get16(countBytes);
  std::vector<uint8_t> raw(size_t{count} * 12);
  if (!io.Read(uint64_t{offset} + 2, raw.data(), raw.size())) return false;
  ifd->offset = offset;
  ifd->entries.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* p = raw.data() + size_t{i} * 12;
    IfdEntry& e = ifd->entries[i];
    e.tag = order.Get16(p);
    e.type = order.Get16(p + 2);
    e.count = order.Get32(p + 4);
    std::copy(p + 8, p + 12, e.field);
    e.position = offset + 2 + i * 12;
  }
  return true;
}

bool ValueLocation(const TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t* offset, bool* inField) {
  uint64_t bytes = uint64_t{TypeSize(e.type)} * e.count;
  if (TypeSize(e.type) == 0) return false;
  *inField = bytes <= 4;
  *offset = *inField ? e.FieldPosition() : order.Get32(e.field);
  return *offset <= io.Size() && bytes <= io.Size() - *offset;
}

bool ReadIntegers(TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t want, std::vector<uint32_t>* out) {
  uint32_t size = TypeSize(e.type);
  if (e.type != kByte && e.type != kShort && e.type != kLong) return false;
  uint32_t offset = 0;
  bool inField = false;
  if (!ValueLocation(io, order, e, &offset, &inField)) return false;
  uint32_t n = std::min(want, e.count);
  std::vector<uint8_t> raw(size_t{n} * size);
  if (inField) {
    std::copy(e.field, e.field + raw.size(), raw.begin());
  } else if (!io.Read(offset, raw.data(), raw.size())) {
    return false;
  }
  out->resize(n);
  for (uint32_t i = 0; i < n; ++i) {
    const uint8_t* p = raw.data() + size_t{i} * size;
    (*out)[i] = size == 1 ? p[0] : size == 2 ? order.Get16(p) : order.Get32(p);
  }
  return true;
}

bool ReadInteger(TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t* value) {
  std::vector<uint32_t> values;
  if (!ReadIntegers(io, order, e, 1, &values) || values.empty()) return false;
  *value = values[0];
  return true;
}

bool ReadRational(TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t* numerator, uint32_t* denominator) {
  uint32_t offset = 0;
  bool inField = false;
  if (e.type != kRational || e.count == 0 || !ValueLocation(io, order, e, &offset, &inField)) return false;
  uint8_t raw[8];
  if (!io.Read(offset, raw, 8)) return false;
  *numerator = order.Get32(raw);
  *denominator = order.Get32(raw + 4);
  return true;
}

}  // namespace quill::tiff
