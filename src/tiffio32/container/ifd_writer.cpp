// Laying out a new directory.
#include "container/ifd_writer.h"

#include <algorithm>

#include "container/ifd.h"

namespace quill::tiff {

void IfdBuilder::Shorts(uint16_t tag, const std::vector<uint32_t>& values) {
  if (std::any_of(values.begin(), values.end(), [](uint32_t v) { return v > 0xFFFF; })) return Longs(tag, values);
  Entry e{tag, kShort, static_cast<uint32_t>(values.size()), std::vector<uint8_t>(values.size() * 2)};
  for (size_t i = 0; i < values.size(); ++i) order_.Put16(e.data.data() + 2 * i, values[i]);
  entries_.push_back(std::move(e));
}

void IfdBuilder::Longs(uint16_t tag, const std::vector<uint32_t>& values) {
  Entry e{tag, kLong, static_cast<uint32_t>(values.size()), std::vector<uint8_t>(values.size() * 4)};
  for (size_t i = 0; i < values.size(); ++i) order_.Put32(e.data.data() + 4 * i, values[i]);
  entries_.push_back(std::move(e));
}

void IfdBuilder::Rational(uint16_t tag, uint32_t numerator, uint32_t denominator) {
  Entry e{tag, kRational, 1, std::vector<uint8_t>(8)};
  order_.Put32(e.data.data(), numerator);
  order_.Put32(e.data.data() + 4, denominator);
  entries_.push_back(std::move(e));
}

void IfdBuilder::Ascii(uint16_t tag, const std::string& text) {
  Entry e{tag, kAscii, static_cast<uint32_t>(text.size() + 1), std::vector<uint8_t>(text.begin(), text.end())};
  e.data.push_back(0);
  entries_.push_back(std::move(e));
}

bool IfdBuilder::Write(TiffIo& io, uint64_t at, uint32_t* ifdOffset) const {
  std::vector<uint8_t> out(at & 1);  // values and the directory start on word boundaries
  std::vector<uint32_t> valueOffsets(entries_.size());
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].data.size() <= 4) continue;
    valueOffsets[i] = static_cast<uint32_t>(at + out.size());
    out.insert(out.end(), entries_[i].data.begin(), entries_[i].data.end());
    if (out.size() & 1) out.push_back(0);
  }
  const uint64_t directory = at + out.size();
  if (directory + 6 + 12 * entries_.size() > kMaxTiffSize) return false;
  const size_t base = out.size();
  out.resize(base + 2 + 12 * entries_.size() + 4);
  order_.Put16(out.data() + base, static_cast<uint32_t>(entries_.size()));
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    uint8_t* p = out.data() + base + 2 + 12 * i;
    order_.Put16(p, e.tag);
    order_.Put16(p + 2, e.type);
    order_.Put32(p + 4, e.count);
    if (e.data.size() <= 4) {
      std::copy(e.data.begin(), e.data.end(), p + 8);
    } else {
      order_.Put32(p + 8, valueOffsets[i]);
    }
  }
  *ifdOffset = static_cast<uint32_t>(directory);
  return io.Write(at, out.data(), out.size());
}

}  // namespace quill::tiff
