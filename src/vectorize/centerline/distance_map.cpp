#include "centerline/distance_map.h"

#include <cmath>
#include <limits>

namespace quill::vectorize {

namespace {

constexpr double kFar = 1e20;

// One dimension of the transform: f holds squared distances in, d receives them out.
void LowerEnvelope(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v, std::vector<double>& z) {
  int n = static_cast<int>(f.size());
  int k = 0;
  v[0] = 0;
  z[0] = -std::numeric_limits<double>::infinity();
  z[1] = std::numeric_limits<double>::infinity();
  for (int q = 1; q < n; ++q) {
    double s;
    while (true) {
      int p = v[static_cast<size_t>(k)];
      s = ((f[static_cast<size_t>(q)] + q * q) - (f[static_cast<size_t>(p)] + p * p)) / (2.0 * q - 2.0 * p);
      if (s > z[static_cast<size_t>(k)] || k == 0) break;
      --k;
    }
    if (s <= z[static_cast<size_t>(k)]) s = z[static_cast<size_t>(k)];
    ++k;
    v[static_cast<size_t>(k)] = q;
    z[static_cast<size_t>(k)] = s;
    z[static_cast<size_t>(k) + 1] = std::numeric_limits<double>::infinity();
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[static_cast<size_t>(k) + 1] < q) ++k;
    int p = v[static_cast<size_t>(k)];
    d[static_cast<size_t>(q)] = (q - p) * static_cast<double>(q - p) + f[static_cast<size_t>(p)];
  }
}

// The transform along one line of cells, padded with paper at both ends.
void TransformLine(std::vector<double>& line, std::vector<double>& f, std::vector<double>& d, std::vector<int>& v,
                   std::vector<double>& z) {
  size_t n = line.size();
  f[0] = 0;
  for (size_t i = 0; i < n; ++i) f[i + 1] = line[i];
  f[n + 1] = 0;
  LowerEnvelope(f, d, v, z);
  for (size_t i = 0; i < n; ++i) line[i] = d[i + 1];
}

}  // namespace

DistanceMap DistanceToPaper(const Mask& mask) {
  DistanceMap out;
  out.width = mask.width;
  out.height = mask.height;
  size_t w = static_cast<size_t>(mask.width), h = static_cast<size_t>(mask.height);
  std::vector<double> grid(w * h);
  for (size_t i = 0; i < grid.size(); ++i) grid[i] = mask.ink[i] ? kFar : 0;
  size_t longest = std::max(w, h) + 2;
  std::vector<double> f(longest), d(longest), z(longest + 1), line;
  std::vector<int> v(longest);
  auto fit = [&](size_t n) { f.resize(n + 2), d.resize(n + 2), z.resize(n + 3), v.resize(n + 2); };
  fit(h);
  line.resize(h);
  for (size_t x = 0; x < w; ++x) {
    for (size_t y = 0; y < h; ++y) line[y] = grid[y * w + x];
    TransformLine(line, f, d, v, z);
    for (size_t y = 0; y < h; ++y) grid[y * w + x] = line[y];
  }
  fit(w);
  line.resize(w);
  for (size_t y = 0; y < h; ++y) {
    std::copy(grid.begin() + static_cast<long>(y * w), grid.begin() + static_cast<long>((y + 1) * w), line.begin());
    TransformLine(line, f, d, v, z);
    std::copy(line.begin(), line.end(), grid.begin() + static_cast<long>(y * w));
  }
  out.distance.resize(grid.size());
  for (size_t i = 0; i < grid.size(); ++i) out.distance[i] = static_cast<float>(std::sqrt(grid[i]));
  return out;
}

}  // namespace quill::vectorize
