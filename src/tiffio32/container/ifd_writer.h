// A new page's directory: entries added in order, then laid out as the values that do not fit in an
// entry (each on a word boundary) followed by the directory and a next-directory offset of 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "container/byte_order.h"
#include "container/tiff_io.h"

namespace quill::tiff {

class IfdBuilder {
 public:
  explicit IfdBuilder(const ByteOrder& order) : order_(order) {}

  // SHORT, or LONG for a value that a SHORT cannot hold.
  void Short(uint16_t tag, uint32_t value) { Shorts(tag, {value}); }
  void Shorts(uint16_t tag, const std::vector<uint32_t>& values);
  void Long(uint16_t tag, uint32_t value) { Longs(tag, {value}); }
  void Longs(uint16_t tag, const std::vector<uint32_t>& values);
  void Rational(uint16_t tag, uint32_t numerator, uint32_t denominator);
  void Ascii(uint16_t tag, const std::string& text);

  // Writes the values and the directory from offset `at` on; *ifdOffset receives where the directory
  // starts.  False when the file cannot take them or they would pass the 4 GB a TIFF can address.
  bool Write(TiffIo& io, uint64_t at, uint32_t* ifdOffset) const;
  // Where the next-directory offset of the directory written at ifdOffset lies.
  uint32_t NextPosition(uint32_t ifdOffset) const {
    return ifdOffset + 2 + 12 * static_cast<uint32_t>(entries_.size());
  }

 private:
  struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::vector<uint8_t> data;  // in the file's byte order
  };

  const ByteOrder& order_;
  std::vector<Entry> entries_;
};

}  // namespace quill::tiff
