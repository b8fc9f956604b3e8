// The optimised palette: the occupied colour space cut into boxes, first by how many cells they hold,
// then by their size as the eye weighs it, each cut at the middle of the box's longest side.
#include <algorithm>

#include "dib/dib_quantize.h"

namespace quill::tiff {

namespace {

constexpr int kSize[3] = {32, 64, 32};   // cells along red, green, blue
constexpr int kWeight[3] = {16, 12, 8};  // a cell's extent along each, as it weighs in a box's size

inline int CellIndex(const int c[3]) {
  return c[0] << 11 | c[1] << 5 | c[2];
}

struct QuantBox {
  int lo[3];
  int hi[3];
  int64_t size = 0;      // sum of the squared weighted extents
  int64_t occupied = 0;  // cells with a count
};

// Shrinks the box to its occupied cells and measures it.
void Shrink(const uint16_t* histogram, QuantBox& box) {
  int lo[3] = {kSize[0], kSize[1], kSize[2]}, hi[3] = {-1, -1, -1};
  box.occupied = 0;
  int c[3];
  for (c[0] = box.lo[0]; c[0] <= box.hi[0]; ++c[0]) {
    for (c[1] = box.lo[1]; c[1] <= box.hi[1]; ++c[1]) {
      for (c[2] = box.lo[2]; c[2] <= box.hi[2]; ++c[2]) {
        if (histogram[CellIndex(c)] == 0) continue;
        ++box.occupied;
        for (int a = 0; a < 3; ++a) lo[a] = std::min(lo[a], c[a]), hi[a] = std::max(hi[a], c[a]);
      }
    }
  }
  box.size = 0;
  for (int a = 0; a < 3 && box.occupied != 0; ++a) {
    box.lo[a] = lo[a];
    box.hi[a] = hi[a];
    const int64_t extent = static_cast<int64_t>(hi[a] - lo[a]) * kWeight[a];
    box.size += extent * extent;
  }
}

// While the boxes are few, the one holding most cells; afterwards the largest.  -1 when none can be cut.
int BoxToCut(const QuantBox* boxes, int count, int wanted) {
  const bool byCells = count * 2 <= wanted;
  int best = -1;
  int64_t bestValue = 0;
  for (int k = 0; k < count; ++k) {
    if (boxes[k].size == 0) continue;
    const int64_t value = byCells ? boxes[k].occupied : boxes[k].size;
    if (value > bestValue) best = k, bestValue = value;
  }
  return best;
}

int LongestAxis(const QuantBox& box) {
  int extent[3];
  for (int a = 0; a < 3; ++a) extent[a] = (box.hi[a] - box.lo[a]) * kWeight[a];
  if (extent[2] > extent[0] && extent[2] > extent[1]) return 2;
  return extent[1] >= extent[0] ? 1 : 0;
}

RGBQUAD MeanColor(const uint16_t* histogram, const QuantBox& box) {
  int64_t total = 0, sum[3] = {0, 0, 0};
  int c[3];
  for (c[0] = box.lo[0]; c[0] <= box.hi[0]; ++c[0]) {
    for (c[1] = box.lo[1]; c[1] <= box.hi[1]; ++c[1]) {
      for (c[2] = box.lo[2]; c[2] <= box.hi[2]; ++c[2]) {
        const int64_t n = histogram[CellIndex(c)];
        total += n;
        for (int a = 0; a < 3; ++a) {
          const int step = 256 / kSize[a];
          sum[a] += n * (c[a] * step + step / 2);
        }
      }
    }
  }
  if (total == 0) return RGBQUAD{0, 0, 0, 0};
  auto mean = [&](int a) { return static_cast<uint8_t>((sum[a] + total / 2) / total); };
  return RGBQUAD{mean(2), mean(1), mean(0), 0};
}

}  // namespace

void CountQuantCells(const uint8_t* bgr, int32_t width, uint16_t* histogram) {
  for (int32_t x = 0; x < width; ++x, bgr += 3) {
    uint16_t& n = histogram[QuantCell(bgr[2], bgr[1], bgr[0])];
    if (n != UINT16_MAX) ++n;
  }
}

bool OptimisedPalette(const uint16_t* histogram, int wanted, RGBQUAD* colors, int* count) {
  wanted = std::clamp(wanted, 1, 256);
  WorkBuffer<QuantBox> boxes(static_cast<size_t>(wanted));
  if (!boxes.ok()) return false;
  boxes[0] = QuantBox{{0, 0, 0}, {kSize[0] - 1, kSize[1] - 1, kSize[2] - 1}};
  Shrink(histogram, boxes[0]);
  int n = boxes[0].occupied != 0 ? 1 : 0;
  while (n < wanted) {
    const int k = BoxToCut(boxes.get(), n, wanted);
    if (k < 0) break;
    QuantBox& first = boxes[k];
    QuantBox& second = boxes[n++];
    second = first;
    const int axis = LongestAxis(first);
    const int middle = (first.lo[axis] + first.hi[axis]) / 2;
    first.hi[axis] = middle;
    second.lo[axis] = middle + 1;
    Shrink(histogram, first);
    Shrink(histogram, second);
  }
  for (int k = 0; k < n; ++k) colors[k] = MeanColor(histogram, boxes[k]);
  *count = n;
  return true;
}

}  // namespace quill::tiff
