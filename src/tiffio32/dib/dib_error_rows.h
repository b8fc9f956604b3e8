// Floyd–Steinberg error rows for colour pictures: what each pixel of this row and the next has been
// passed, in sixteenths, per blue, green and red.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

#include "dib/dib_buffer.h"

namespace quill::tiff {

class ColorErrorRows {
 public:
  explicit ColorErrorRows(int32_t width) : width_(width), current_(Slots(width)), below_(Slots(width)) {}
  bool ok() const { return current_.ok() && below_.ok(); }

  // The three sums passed to pixel x of the current row.
  const int32_t* At(int32_t x) const { return current_.get() + 3 * (x + 1); }

  // Passes pixel x's error on: 7/16 to the next pixel in the direction of travel (dir 1 or -1), 3/16,
  // 5/16 and 1/16 to the pixels below, behind and ahead.  Slots past the ends take what falls off.
  void Spread(int32_t x, int dir, const int error[3]) {
    int32_t* ahead = current_.get() + 3 * (x + 1 + dir);
    int32_t* below = below_.get() + 3 * (x + 1);
    for (int c = 0; c < 3; ++c) {
      ahead[c] += 7 * error[c];
      below[c - 3 * dir] += 3 * error[c];
      below[c] += 5 * error[c];
      below[c + 3 * dir] += error[c];
    }
  }

  void NextRow() {
    std::swap(current_, below_);
    std::memset(below_.get(), 0, Slots(width_) * sizeof(int32_t));
  }

 private:
  static size_t Slots(int32_t width) { return (static_cast<size_t>(width) + 2) * 3; }

  int32_t width_;
  WorkBuffer<int32_t> current_;
  WorkBuffer<int32_t> below_;
};

}  // namespace quill::tiff
