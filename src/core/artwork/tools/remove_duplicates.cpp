// "Removing Duplicates" without comparing every pair: the entities kept so far are hashed by where they
// lie (a line by its middle and length, an arc by its centre and radius) in cells wider than the
// tolerance of SameAs, so a copy can only sit in the same or a neighbouring cell.
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "artwork/tools/optimize_steps.h"
#include "artwork/tools/progress_meter.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

// SameAs lets each coordinate differ by the zero tolerance: middles and centres by that much, a radius
// by that much, a length by at most 2 sqrt(2) times that much (a little more covers the rounding).
// The cells are four times as wide, so a copy lies in the neighbouring cell only when the entity lies
// near that side of its own, and most searches look at one cell or two.
constexpr double kPlaceReach = ZeroTolerance * 1.01;
constexpr double kLengthReach = 2.83 * ZeroTolerance * 1.01;
constexpr double kPlaceCell = 4 * kPlaceReach;
constexpr double kLengthCell = 4 * kLengthReach;
constexpr double kReach = 1e15;

struct Key {
  std::array<int64_t, 3> cell;
  uint8_t kind;
  bool operator==(const Key&) const = default;
};

struct KeyHash {
  size_t operator()(const Key& k) const {
    uint64_t h = k.kind;
    for (int64_t c : k.cell) h = (h ^ static_cast<uint64_t>(c)) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(h ^ (h >> 29));
  }
};

// The cell of v, and the neighbouring cell (-1 or +1) a value within reach of v may lie in, or 0.
int64_t CellOf(double v, double cell, double reach, int& side) {
  double c = std::floor(v / cell);
  side = 0;
  if (!(c > -kReach) || !(c < kReach)) return static_cast<int64_t>(c < 0 || std::isnan(c) ? -kReach : kReach);
  double along = v - c * cell;
  if (along < reach) side = -1;
  if (cell - along < reach) side = 1;
  return static_cast<int64_t>(c);
}

// Where an entity is looked for: its cell and, in each dimension, the neighbour it may reach into.
struct Place {
  Key key;
  std::array<int, 3> side;
};

Place PlaceOf(const tgEntity& e) {
  Place p;
  std::array<double, 3> v;
  if (e.IsArc()) {
    v = {e.X(), e.Y(), e.R()};
    p.key.kind = KindArc;
  } else {
    v = {(e.X() + e.XE()) / 2, (e.Y() + e.YE()) / 2, std::hypot(e.XE() - e.X(), e.YE() - e.Y())};
    p.key.kind = KindLine;
  }
  for (size_t d = 0; d < 3; ++d) {
    bool length = d == 2 && !e.IsArc();
    p.key.cell[d] = CellOf(v[d], length ? kLengthCell : kPlaceCell, length ? kLengthReach : kPlaceReach, p.side[d]);
  }
  return p;
}

class KeptEntities {
 public:
  bool HasCopyOf(const tgEntity& e) const {
    const Place p = PlaceOf(e);
    for (int a = 0; a <= (p.side[0] != 0); ++a) {
      for (int b = 0; b <= (p.side[1] != 0); ++b) {
        for (int c = 0; c <= (p.side[2] != 0); ++c) {
          Key k = p.key;
          k.cell[0] += a * p.side[0], k.cell[1] += b * p.side[1], k.cell[2] += c * p.side[2];
          auto it = cells_.find(k);
          if (it == cells_.end()) continue;
          for (const tgEntity& kept : it->second) {
            if (kept.Matches(e)) return true;
          }
        }
      }
    }
    return false;
  }
  void Add(const tgEntity& e) { cells_[PlaceOf(e).key].push_back(e); }

 private:
  std::unordered_map<Key, std::vector<tgEntity>, KeyHash> cells_;
};

}  // namespace

bool RemoveDuplicates(Ui& ui, std::vector<tgEntity>& work) {
  ProgressMeter meter(ui, "Removing Duplicates", work.size());
  if (work.empty()) return true;
  // The first entity is compared as it came; the others once Valid has put their angles in range.
  std::vector<tgEntity> kept{work.front()};
  KeptEntities later;
  for (size_t j = 1; j < work.size(); ++j) {
    if (!meter.At(j)) return false;
    tgEntity e = work[j];
    if (e.IsPoint() || kept.front().Matches(e) || !e.Valid(ui) || later.HasCopyOf(e)) continue;
    later.Add(e);
    kept.push_back(e);
  }
  work = std::move(kept);
  return true;
}

}  // namespace quill
