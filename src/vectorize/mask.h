// A black-and-white picture: which pixels carry ink.  Row 0 is the picture's top row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quill::vectorize {

struct Mask {
  int width = 0, height = 0;
  std::vector<uint8_t> ink;  // 1 ink, 0 paper; width x height, row by row

  Mask() = default;
  Mask(int w, int h) : width(w), height(h), ink(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}

  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
  }
  bool At(int x, int y) const { return ink[Index(x, y)] != 0; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  void Set(int x, int y, bool on) { ink[Index(x, y)] = on ? 1 : 0; }
};

}  // namespace quill::vectorize
