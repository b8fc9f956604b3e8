// Hand-made TIFF files.
#include "tiff_maker.h"

namespace quill::tiff::test {

uint32_t TiffMaker::Data(const std::vector<uint8_t>& bytes) {
  const auto offset = static_cast<uint32_t>(8 + data_.size());
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  if (data_.size() & 1) data_.push_back(0);
  return offset;
}

std::vector<uint8_t> TiffMaker::Encode(uint16_t type, const std::vector<uint32_t>& values) const {
  std::vector<uint8_t> out;
  const int size = type == 3 ? 2 : 4;
  for (uint32_t v : values) {
    for (int i = 0; i < size; ++i) {
      const int shift = big_ ? 8 * (size - 1 - i) : 8 * i;
      out.push_back(static_cast<uint8_t>(v >> shift));
    }
  }
  return out;
}

void TiffMaker::Add(uint16_t tag, uint16_t type, const std::vector<uint32_t>& values) {
  if (ifds_.empty()) NewIfd();
  const auto count = static_cast<uint32_t>(type == 5 ? values.size() / 2 : values.size());
  ifds_.back().push_back(Entry{tag, type, count, Encode(type, values)});
}

void TiffMaker::Ascii(uint16_t tag, const std::string& text) {
  if (ifds_.empty()) NewIfd();
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  ifds_.back().push_back(Entry{tag, 2, static_cast<uint32_t>(bytes.size()), bytes});
}

void TiffMaker::Page(uint32_t width, uint32_t height, std::vector<uint32_t> bits, uint32_t photometric,
                     uint32_t compression, const std::vector<uint8_t>& strip) {
  const uint32_t offset = Data(strip);
  NewIfd();
  Long(254, {0});
  Long(256, {width});
  Long(257, {height});
  Short(258, bits);
  Short(259, {compression});
  Short(262, {photometric});
  Long(273, {offset});
  Short(277, {static_cast<uint32_t>(bits.size())});
  Long(279, {static_cast<uint32_t>(strip.size())});
}

void TiffMaker::Put16(std::string& out, size_t at, uint32_t v) const {
  out[at + (big_ ? 0 : 1)] = static_cast<char>(v >> 8);
  out[at + (big_ ? 1 : 0)] = static_cast<char>(v);
}

void TiffMaker::Put32(std::string& out, size_t at, uint32_t v) const {
  Put16(out, at + (big_ ? 0 : 2), v >> 16);
  Put16(out, at + (big_ ? 2 : 0), v & 0xFFFF);
}

std::string TiffMaker::Bytes(size_t minSize) {
  std::string out(8, '\0');
  out[0] = out[1] = big_ ? 'M' : 'I';
  Put16(out, 2, 42);
  out.append(data_.begin(), data_.end());
  ifdOffsets_.clear();
  size_t link = 4;
  for (const auto& entries : ifds_) {
    std::vector<uint32_t> valueAt(entries.size(), 0);
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].bytes.size() <= 4) continue;
      valueAt[i] = static_cast<uint32_t>(out.size());
      out.append(entries[i].bytes.begin(), entries[i].bytes.end());
      if (out.size() & 1) out.push_back('\0');
    }
    const size_t ifd = out.size();
    ifdOffsets_.push_back(static_cast<uint32_t>(ifd));
    Put32(out, link, static_cast<uint32_t>(ifd));
    out.resize(ifd + 2 + 12 * entries.size() + 4, '\0');
    Put16(out, ifd, static_cast<uint32_t>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
      const size_t at = ifd + 2 + 12 * i;
      Put16(out, at, entries[i].tag);
      Put16(out, at + 2, entries[i].type);
      Put32(out, at + 4, entries[i].count);
      if (entries[i].bytes.size() > 4) {
        Put32(out, at + 8, valueAt[i]);
      } else {
        for (size_t b = 0; b < entries[i].bytes.size(); ++b) out[at + 8 + b] = static_cast<char>(entries[i].bytes[b]);
      }
    }
    link = ifd + 2 + 12 * entries.size();
  }
  if (out.size() < minSize) out.resize(minSize, '\0');
  return out;
}

}  // namespace quill::tiff::test
