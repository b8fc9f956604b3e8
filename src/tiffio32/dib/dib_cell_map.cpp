#include "dib/dib_cell_map.h"

#include <algorithm>
#include <climits>

namespace quill::tiff {

CellColorMap::CellColorMap(const RGBQUAD* colors, int count, uint16_t* cellIndex)
    : cellIndex_(cellIndex), count_(std::clamp(count, 1, 256)) {
  for (int i = 0; i < count_; ++i) {
    byRed_[i] = Entry{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, static_cast<uint16_t>(i)};
  }
  std::stable_sort(byRed_, byRed_ + count_, [](const Entry& a, const Entry& b) { return a.red < b.red; });
}

uint16_t CellColorMap::Nearest(int cell) const {
  const int red = CellRed(cell), green = CellGreen(cell), blue = CellBlue(cell);
  const Entry* start = std::lower_bound(byRed_, byRed_ + count_, red, [](const Entry& e, int r) { return e.red < r; });
  int best = INT_MAX;
  uint16_t bestIndex = 0;
  auto consider = [&](const Entry& e) {
    const int dr = e.red - red;
    if (dr * dr > best) return false;
    const int dg = e.green - green, db = e.blue - blue;
    const int d = dr * dr + dg * dg + db * db;
    if (d < best || (d == best && e.index < bestIndex)) {
      best = d;
      bestIndex = e.index;
    }
    return true;
  };
  for (const Entry* e = start; e < byRed_ + count_ && consider(*e); ++e) {
  }
  for (const Entry* e = start; e > byRed_ && consider(*(e - 1)); --e) {
  }
  return bestIndex;
}

}  // namespace quill::tiff
