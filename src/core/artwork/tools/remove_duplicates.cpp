// "Removing Duplicates" without comparing every pair: the entities kept so far are hashed by where they
// lie (a line by its middle and length, an arc by its centre and radius) in cells at least as wide as
// the tolerance of SameAs, so a copy can only sit in the same or a neighbouring cell.
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
// by that much, a length by at most 2 sqrt(2) times that much.
constexpr double kPlaceCell = 2 * ZeroTolerance;
constexpr double kLengthCell = 4 * ZeroTolerance;
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

int64_t CellOf(double v, double cell) {
  double c = std::floor(v / cell);
  if (!(c > -kReach)) return static_cast<int64_t>(-kReach);
  if (!(c < kReach)) return static_cast<int64_t>(kReach);
  return static_cast<int64_t>(c);
}

Key KeyOf(const tgEntity& e) {
  if (e.IsArc()) {
    return {{CellOf(e.X(), kPlaceCell), CellOf(e.Y(), kPlaceCell), CellOf(e.R(), kPlaceCell)}, KindArc};
  }
  return {{CellOf((e.X() + e.XE()) / 2, kPlaceCell), CellOf((e.Y() + e.YE()) / 2, kPlaceCell),
           CellOf(std::hypot(e.XE() - e.X(), e.YE() - e.Y()), kLengthCell)},
          KindLine};
}

class KeptEntities {
 public:
  bool HasCopyOf(const tgEntity& e) const {
    const Key k = KeyOf(e);
    for (int64_t a = -1; a <= 1; ++a) {
      for (int64_t b = -1; b <= 1; ++b) {
        for (int64_t c = -1; c <= 1; ++c) {
          auto it = cells_.find({{k.cell[0] + a, k.cell[1] + b, k.cell[2] + c}, k.kind});
          if (it == cells_.end()) continue;
          for (const tgEntity& kept : it->second) {
            if (kept.Matches(e)) return true;
          }
        }
      }
    }
    return false;
  }
  void Add(const tgEntity& e) { cells_[KeyOf(e)].push_back(e); }

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
