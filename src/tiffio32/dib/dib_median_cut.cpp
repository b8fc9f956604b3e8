#include "dib/dib_median_cut.h"

#include <algorithm>

#include "dib/dib_buffer.h"

namespace quill::tiff {

namespace {

inline int Component(int cell, int axis) {
  return (cell >> (10 - 5 * axis)) & 31;
}

// A run of cells in the shared cell list, with their bounds per component (0 red, 1 green, 2 blue),
// pixel count and long axis.
struct Box {
  uint32_t first = 0;
  uint32_t cells = 0;
  uint64_t pixels = 0;
  int lo[3] = {31, 31, 31};
  int hi[3] = {0, 0, 0};
  int axis = 0;
};

class BoxCutter {
 public:
  BoxCutter(const uint64_t* histogram, uint16_t* cells) : histogram_(histogram), cells_(cells) {}

  // Every occupied cell in one box.
  void Start(uint32_t occupied) {
    if (occupied == 0) return;
    boxes_[0] = Measured(0, occupied);
    count_ = 1;
  }

  void CutTo(int wanted) {
    while (count_ < wanted) {
      int k = 0;
      while (k < count_ && boxes_[k].cells < 2) ++k;
      if (k == count_) return;
      const Box box = boxes_[k];
      std::copy(boxes_ + k + 1, boxes_ + count_, boxes_ + k);
      --count_;
      const uint32_t firstPart = Split(box);
      Insert(Measured(box.first, firstPart));
      Insert(Measured(box.first + firstPart, box.cells - firstPart));
    }
  }

  int count() const { return count_; }
  const Box& box(int k) const { return boxes_[k]; }

 private:
  Box Measured(uint32_t first, uint32_t cells) const {
    Box box;
    box.first = first;
    box.cells = cells;
    for (uint32_t i = first; i < first + cells; ++i) {
      const int cell = cells_[i];
      box.pixels += histogram_[cell];
      for (int a = 0; a < 3; ++a) {
        box.lo[a] = std::min(box.lo[a], Component(cell, a));
        box.hi[a] = std::max(box.hi[a], Component(cell, a));
      }
    }
    const int red = box.hi[0] - box.lo[0], green = box.hi[1] - box.lo[1], blue = box.hi[2] - box.lo[2];
    box.axis = red >= green && red >= blue ? 0 : green >= blue ? 1 : 2;
    return box;
  }

  // Sorts the box's cells along its long axis and returns the size of the first part: up to the cell
  // at which the running pixel count passes half the box's.
  uint32_t Split(const Box& box) {
    uint16_t* begin = cells_ + box.first;
    const int axis = box.axis;
    std::sort(begin, begin + box.cells, [axis](uint16_t a, uint16_t b) {
      const int ca = Component(a, axis), cb = Component(b, axis);
      return ca != cb ? ca < cb : a < b;
    });
    uint64_t running = 0;
    for (uint32_t i = 0; i + 1 < box.cells; ++i) {
      running += histogram_[begin[i]];
      if (running * 2 > box.pixels) return i + 1;
    }
    return box.cells - 1;
  }

  // Largest count first; a box goes after those of equal count.
  void Insert(const Box& box) {
    int at = 0;
    while (at < count_ && boxes_[at].pixels >= box.pixels) ++at;
    std::copy_backward(boxes_ + at, boxes_ + count_, boxes_ + count_ + 1);
    boxes_[at] = box;
    ++count_;
  }

  const uint64_t* histogram_;
  uint16_t* cells_;
  Box boxes_[257];
  int count_ = 0;
};

RGBQUAD MeanColor(const Box& box, const uint16_t* cells, const uint64_t* histogram) {
  uint64_t sum[3] = {0, 0, 0};
  for (uint32_t i = box.first; i < box.first + box.cells; ++i) {
    for (int a = 0; a < 3; ++a) sum[a] += Component(cells[i], a) * histogram[cells[i]];
  }
  auto mean = [&](int a) { return static_cast<uint8_t>(sum[a] / box.pixels * 8); };
  return RGBQUAD{mean(2), mean(1), mean(0), 0};
}

void FillBoxTable(const Box& box, uint16_t index, uint16_t* table) {
  for (int r = box.lo[0]; r <= box.hi[0]; ++r) {
    for (int g = box.lo[1]; g <= box.hi[1]; ++g) {
      std::fill_n(table + (r << 10 | g << 5 | box.lo[2]), box.hi[2] - box.lo[2] + 1, index);
    }
  }
}

}  // namespace

bool MakeMedianCutPalette(const uint64_t* histogram, int wanted, MedianCutPalette* palette) {
  WorkBuffer<uint16_t> cells(kCells);
  if (!cells.ok()) return false;
  uint32_t occupied = 0;
  for (int c = 0; c < kCells; ++c) {
    if (histogram[c] != 0) cells[occupied++] = static_cast<uint16_t>(c);
  }
  BoxCutter cutter(histogram, cells.get());
  cutter.Start(occupied);
  cutter.CutTo(std::clamp(wanted, 1, 256));
  palette->count = cutter.count();
  std::fill_n(palette->cellBox, kCells, kNoBox);
  for (int k = 0; k < cutter.count(); ++k) {
    palette->colors[k] = MeanColor(cutter.box(k), cells.get(), histogram);
    FillBoxTable(cutter.box(k), static_cast<uint16_t>(k), palette->cellBox);
  }
  return true;
}

}  // namespace quill::tiff
