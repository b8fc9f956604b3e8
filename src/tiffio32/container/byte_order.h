// Numbers in a TIFF file follow the file's byte order ("II" little-endian, "MM" big-endian).
#pragma once

#include <cstdint>

namespace quill::tiff {

struct ByteOrder {
  bool big = false;

  uint16_t Get16(const uint8_t* p) const {
    return big ? static_cast<uint16_t>(p[0] << 8 | p[1]) : static_cast<uint16_t>(p[1] << 8 | p[0]);
  }
  uint32_t Get32(const uint8_t* p) const {
    return big ? (uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3])
               : (uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0]);
  }
  void Put16(uint8_t* p, uint32_t v) const {
    if (big) {
      p[0] = static_cast<uint8_t>(v >> 8);
      p[1] = static_cast<uint8_t>(v);
    } else {
      p[0] = static_cast<uint8_t>(v);
      p[1] = static_cast<uint8_t>(v >> 8);
    }
  }
  void Put32(uint8_t* p, uint32_t v) const {
    if (big) {
      Put16(p, v >> 16);
      Put16(p + 2, v);
    } else {
      Put16(p, v);
      Put16(p + 2, v >> 16);
    }
  }
};

}  // namespace quill::tiff
