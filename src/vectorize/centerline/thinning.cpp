#include "centerline/thinning.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace quill::vectorize {

namespace {

// Neighbours in the order P2 (north) round clockwise to P9 (north-west); bit i of a code is neighbour i.
constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

using Table = std::array<uint8_t, 256>;

bool Bit(int code, int i) {
  return (code >> i) & 1;
}

// Guo and Hall's test for one of the two passes: it peels as evenly as Zhang and Suen's but never
// wipes out a stroke that has thinned to a two-pixel diagonal.
Table PeelTable(int pass) {
  Table t{};
  for (int code = 0; code < 256; ++code) {
    // P2 (north) to P9 (north-west), as the paper numbers them.
    bool p[10] = {};
    for (int i = 0; i < 8; ++i) p[i + 2] = Bit(code, i);
    int c =
        (!p[2] && (p[3] || p[4])) + (!p[4] && (p[5] || p[6])) + (!p[6] && (p[7] || p[8])) + (!p[8] && (p[9] || p[2]));
    int n1 = (p[9] || p[2]) + (p[3] || p[4]) + (p[5] || p[6]) + (p[7] || p[8]);
    int n2 = (p[2] || p[3]) + (p[4] || p[5]) + (p[6] || p[7]) + (p[8] || p[9]);
    int n = std::min(n1, n2);
    bool m = pass == 0 ? ((p[6] || p[7] || !p[9]) && p[8]) : ((p[2] || p[3] || !p[5]) && p[4]);
    t[static_cast<size_t>(code)] = c == 1 && n >= 2 && n <= 3 && !m;
  }
  return t;
}

// A pixel that can go without changing how anything connects: its neighbours form one 8-connected
// piece, it has paper on a side (so no hole opens), and it is no line's end.
Table StairTable() {
  Table t{};
  for (int code = 0; code < 256; ++code) {
    int parent[8];
    int count = 0;
    for (int i = 0; i < 8; ++i) parent[i] = i, count += Bit(code, i);
    auto find = [&parent](int i) {
      while (parent[i] != i) i = parent[i];
      return i;
    };
    for (int i = 0; i < 8; ++i) {
      for (int j = i + 1; j < 8; ++j) {
        bool touch = std::max(std::abs(kDx[i] - kDx[j]), std::abs(kDy[i] - kDy[j])) <= 1;
        if (touch && Bit(code, i) && Bit(code, j)) parent[find(i)] = find(j);
      }
    }
    int pieces = 0;
    for (int i = 0; i < 8; ++i) pieces += Bit(code, i) && find(i) == i;
    bool paperSide = !Bit(code, 0) || !Bit(code, 2) || !Bit(code, 4) || !Bit(code, 6);
    t[static_cast<size_t>(code)] = pieces == 1 && paperSide && count >= 2;
  }
  return t;
}

// The mask with a border of paper, so every pixel looked at has eight neighbours.
class Padded {
 public:
  explicit Padded(const Mask& m)
      : w_(m.width + 2), h_(m.height + 2), ink_(static_cast<size_t>(w_) * static_cast<size_t>(h_), 0) {
    for (int y = 0; y < m.height; ++y) {
      for (int x = 0; x < m.width; ++x) ink_[At(x + 1, y + 1)] = m.At(x, y);
    }
    for (int i = 0; i < 8; ++i) offset_[i] = kDy[i] * w_ + kDx[i];
  }
  size_t At(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x); }
  int Code(size_t p) const {
    int code = 0;
    for (int i = 0; i < 8; ++i) code |= ink_[p + static_cast<size_t>(offset_[i])] << i;
    return code;
  }
  size_t Neighbour(size_t p, int i) const { return p + static_cast<size_t>(offset_[i]); }
  std::vector<uint8_t>& Ink() { return ink_; }
  Mask Unpadded() const {
    Mask m(w_ - 2, h_ - 2);
    for (int y = 0; y < m.height; ++y) {
      for (int x = 0; x < m.width; ++x) m.Set(x, y, ink_[At(x + 1, y + 1)]);
    }
    return m;
  }
  int Width() const { return w_; }
  int Height() const { return h_; }

 private:
  int w_, h_;
  std::vector<uint8_t> ink_;
  std::array<long, 8> offset_{};
};

}  // namespace

Mask Thin(const Mask& mask) {
  static const Table peel[2] = {PeelTable(0), PeelTable(1)};
  static const Table stair = StairTable();
  Padded p(mask);
  std::vector<uint8_t>& ink = p.Ink();
  // Everything with paper beside it may be peeled first.
  std::vector<size_t> look;
  for (int y = 1; y < p.Height() - 1; ++y) {
    for (int x = 1; x < p.Width() - 1; ++x) {
      size_t at = p.At(x, y);
      if (ink[at] && p.Code(at) != 255) look.push_back(at);
    }
  }
  std::vector<uint8_t> queued(ink.size(), 0);
  std::vector<size_t> peeled, next;
  auto check = [&](const std::vector<size_t>& pixels, const Table& table) {
    for (size_t at : pixels) {
      if (ink[at] && table[static_cast<size_t>(p.Code(at))]) peeled.push_back(at);
    }
  };
  // A pixel whose neighbourhood did not change answers both passes as it did before, so only the
  // neighbours of what was peeled are looked at again; the second pass sees those of the first too.
  while (!look.empty()) {
    next.clear();
    for (int pass = 0; pass < 2; ++pass) {
      peeled.clear();
      check(look, peel[pass]);
      if (pass == 1) check(next, peel[pass]);
      for (size_t at : peeled) ink[at] = 0;
      for (size_t at : peeled) {
        for (int i = 0; i < 8; ++i) {
          size_t n = p.Neighbour(at, i);
          if (ink[n] && !queued[n]) queued[n] = 1, next.push_back(n);
        }
      }
    }
    for (size_t at : next) queued[at] = 0;
    look.swap(next);
  }
  for (int y = 1; y < p.Height() - 1; ++y) {
    for (int x = 1; x < p.Width() - 1; ++x) {
      size_t at = p.At(x, y);
      if (ink[at] && stair[static_cast<size_t>(p.Code(at))]) ink[at] = 0;
    }
  }
  return p.Unpadded();
}

int NeighbourCount(const Mask& skeleton, int x, int y) {
  int count = 0;
  for (int i = 0; i < 8; ++i) {
    int nx = x + kDx[i], ny = y + kDy[i];
    count += skeleton.Inside(nx, ny) && skeleton.At(nx, ny);
  }
  return count;
}

}  // namespace quill::vectorize
