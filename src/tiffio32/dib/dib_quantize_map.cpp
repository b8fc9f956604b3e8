// The nearest palette colour of each colour cell, worked out for a block of 4 × 8 × 4 cells at once
// from just the palette colours that can be nearest to some cell of the block.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "dib/dib_quantize.h"

namespace quill::tiff {

namespace {

constexpr int kBlockCells[3] = {4, 8, 4};  // a block's cells along red, green, blue
constexpr int kCellStep[3] = {8, 4, 8};    // a cell's width in component values
constexpr int kEyeWeight[3] = {4, 9, 1};   // weights of the squared differences

int ComponentOf(const RGBQUAD& c, int a) {
  return a == 0 ? c.rgbRed : a == 1 ? c.rgbGreen : c.rgbBlue;
}

// The least and greatest weighted squared distance from a colour to the cell centres of a block.
void DistanceRange(const RGBQUAD& color, const int lo[3], const int hi[3], int* nearest, int* farthest) {
  *nearest = 0;
  *farthest = 0;
  for (int a = 0; a < 3; ++a) {
    const int v = ComponentOf(color, a);
    const int below = v < lo[a] ? lo[a] - v : v > hi[a] ? v - hi[a] : 0;
    const int far = std::max(std::abs(v - lo[a]), std::abs(v - hi[a]));
    *nearest += kEyeWeight[a] * below * below;
    *farthest += kEyeWeight[a] * far * far;
  }
}

int WeightedDistance(const RGBQUAD& color, const int centre[3]) {
  int d = 0;
  for (int a = 0; a < 3; ++a) {
    const int diff = ComponentOf(color, a) - centre[a];
    d += kEyeWeight[a] * diff * diff;
  }
  return d;
}

// The palette colours that can be nearest to some cell of the block: none of them is farther from
// every cell than some colour is from all of them.
int Candidates(const RGBQUAD* colors, int count, const int lo[3], const int hi[3], int* candidates) {
  int nearest[256], limit = INT_MAX;
  for (int i = 0; i < count; ++i) {
    int farthest = 0;
    DistanceRange(colors[i], lo, hi, &nearest[i], &farthest);
    limit = std::min(limit, farthest);
  }
  int n = 0;
  for (int i = 0; i < count; ++i) {
    if (nearest[i] <= limit) candidates[n++] = i;
  }
  return n;
}

}  // namespace

NearestColorMap::NearestColorMap(const RGBQUAD* colors, int count)
    : colors_(colors), count_(count), cache_(kQuantCells) {}

void NearestColorMap::FillBlock(int cell) {
  const int origin[3] = {(cell >> 11) & ~3, (cell >> 5 & 63) & ~7, (cell & 31) & ~3};
  int lo[3], hi[3];
  for (int a = 0; a < 3; ++a) {
    lo[a] = origin[a] * kCellStep[a] + kCellStep[a] / 2;
    hi[a] = lo[a] + (kBlockCells[a] - 1) * kCellStep[a];
  }
  int candidates[256];
  const int n = Candidates(colors_, count_, lo, hi, candidates);
  int c[3];
  for (c[0] = 0; c[0] < kBlockCells[0]; ++c[0]) {
    for (c[1] = 0; c[1] < kBlockCells[1]; ++c[1]) {
      for (c[2] = 0; c[2] < kBlockCells[2]; ++c[2]) {
        const int centre[3] = {lo[0] + c[0] * kCellStep[0], lo[1] + c[1] * kCellStep[1], lo[2] + c[2] * kCellStep[2]};
        int best = INT_MAX, bestIndex = 0;
        for (int k = 0; k < n; ++k) {
          const int d = WeightedDistance(colors_[candidates[k]], centre);
          if (d < best) best = d, bestIndex = candidates[k];
        }
        const int at = (origin[0] + c[0]) << 11 | (origin[1] + c[1]) << 5 | (origin[2] + c[2]);
        cache_[at] = static_cast<uint16_t>(bestIndex + 1);
      }
    }
  }
}

}  // namespace quill::tiff
