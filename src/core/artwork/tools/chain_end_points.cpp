// "Chaining Endpoints" without a scan of the whole list for every slot.  The end points of the entities
// still to place sit in a grid; the entity that continues at the current point is the one earliest in
// the list among those the grid finds near it, and the nearest entity is found ring by ring outwards.
// The list order itself is kept as the exchanges of the slots leave it, so ties go exactly where a scan
// of the list in order would send them.
#include <cmath>
#include <optional>

#include "artwork/tools/bridge_guard.h"
#include "artwork/tools/end_point_grid.h"
#include "artwork/tools/optimize.h"
#include "artwork/tools/optimize_steps.h"
#include "artwork/tools/progress_meter.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

constexpr uint32_t kNone = EndPointGrid::None;
// Distance2D reads anything closer than this as 0.
constexpr double kZeroDistance = 0.001;

std::vector<ItemEnds> EndsOf(const std::vector<tgEntity>& work) {
  std::vector<ItemEnds> ends(work.size());
  double z;
  for (size_t i = 0; i < work.size(); ++i) {
    work[i].StartXYZ(ends[i].sx, ends[i].sy, z);
    work[i].EndXYZ(ends[i].ex, ends[i].ey, z);
  }
  return ends;
}

class Chainer {
 public:
  Chainer(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options, double px, double py)
      : ui_(ui), work_(work), options_(options), ends_(EndsOf(work)), grid_(ends_), px_(px), py_(py) {
    slot_.resize(work.size());
    posOf_.resize(work.size());
    for (uint32_t i = 0; i < work.size(); ++i) slot_[i] = posOf_[i] = i;
    if (options.bridgeGaps) {
      // A forced start moves by less than the tolerance, or by less than the zero distance.
      guard_.emplace(ui, work_, std::max(options.connectTolerance, kZeroDistance));
    }
  }

  void Run() {
    const size_t n = work_.size();
    ProgressMeter meter(ui_, "Chaining Endpoints", n);
    size_t k = 0;
    for (; k < n; ++k) {
      if (!meter.At(k)) break;
      if (k == 0 || !Continue(k)) PlaceNearest(k);
    }
    std::vector<tgEntity> out;
    out.reserve(placed_.size() + n - k);
    for (uint32_t id : placed_) out.push_back(id < n ? work_[id] : bridges_[id - n]);
    for (; k < n; ++k) out.push_back(work_[slot_[k]]);
    work_ = std::move(out);
  }

 private:
  double Distance(double x, double y) const { return Distance2D(x, y, px_, py_); }

  // Exchanges entity id into slot k and takes it out of the search.
  void Take(size_t k, uint32_t id) {
    const uint32_t other = slot_[k];
    const uint32_t at = posOf_[id];
    slot_[at] = other, posOf_[other] = at;
    slot_[k] = id, posOf_[id] = static_cast<uint32_t>(k);
    grid_.Remove(id);
    placed_.push_back(id);
  }

  void MoveTo(const tgEntity& e) {
    double z;
    e.EndXYZ(px_, py_, z);
  }

  // The earliest entity in the list with an end within the tolerance of the current point: it goes
  // into slot k, turned round when its end is the one that meets.  False when there is none.
  bool Continue(size_t k) {
    const double t = options_.connectTolerance;
    if (!(t > 0)) return false;
    uint32_t best = kNone;
    bool atStart = false;
    grid_.Near(px_, py_, std::max(t, kZeroDistance) * (1 + 1e-9), [&](uint32_t id) {
      if (best != kNone && posOf_[id] >= posOf_[best]) return;
      const ItemEnds& e = ends_[id];
      bool start = Distance(e.sx, e.sy) < t;
      if (start || Distance(e.ex, e.ey) < t) best = id, atStart = start;
    });
    if (best == kNone) return false;
    Take(k, best);
    tgEntity& e = work_[best];
    if (!atStart) e.Reverse();
    if (options_.forceEndPoints && e.IsLine()) e.SetLine(px_, py_, e.Z(), e.XE(), e.YE(), e.ZE());
    MoveTo(e);
    return true;
  }

  // The entity whose nearer end is closest to the current point, distances of 0 not counted (the
  // earliest in the list of equals; slot k itself when every entity left touches the point).  A line is
  // turned to start at its nearer end.  After the first slot, a bridge across the gap comes first when
  // asked for and clear of the work.
  void PlaceNearest(size_t k) {
    uint32_t best = grid_.Nearest(
        px_, py_,
        [&](uint32_t id) {
          const ItemEnds& e = ends_[id];
          double d = std::min(Distance(e.sx, e.sy), Distance(e.ex, e.ey));
          return d > 0 ? d : -1.0;
        },
        [&](uint32_t id) { return posOf_[id]; });
    if (best == kNone) best = slot_[k];
    Take(k, best);
    tgEntity& e = work_[best];
    if (!e.IsArc()) e.OrientFrom(ui_, px_, py_);
    if (k > 0 && guard_) Bridge(e);
    MoveTo(e);
  }

  // Puts a bridge from the current point to the start of e before it, unless it would cross the work.
  void Bridge(const tgEntity& e) {
    double sx, sy, z;
    e.StartXYZ(sx, sy, z);
    if (!guard_->Clear(px_, py_, sx, sy)) return;
    tgEntity bridge;
    bridge.SetLine(px_, py_, 0, sx, sy, 0);
    guard_->Add(bridge);
    placed_.insert(placed_.end() - 1, static_cast<uint32_t>(work_.size() + bridges_.size()));
    bridges_.push_back(bridge);
  }

  Ui& ui_;
  std::vector<tgEntity>& work_;
  const OptimizeOptions& options_;
  std::vector<ItemEnds> ends_;
  EndPointGrid grid_;
  std::optional<BridgeGuard> guard_;
  double px_, py_;
  std::vector<uint32_t> slot_;    // the entity in each slot of the list
  std::vector<uint32_t> posOf_;   // the slot of each entity
  std::vector<uint32_t> placed_;  // the cutting order: entities, and bridges numbered after them
  std::vector<tgEntity> bridges_;
};

}  // namespace

void ChainEndPoints(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options, double px, double py) {
  // Every arc runs counter-clockwise from here on, the first one excepted.
  for (size_t i = 1; i < work.size(); ++i) work[i].MakeCCW();
  Chainer(ui, work, options, px, py).Run();
}

bool Connected(const tgEntity& before, const tgEntity& after, double tolerance) {
  double ex, ey, sx, sy, z;
  before.EndXYZ(ex, ey, z);
  after.StartXYZ(sx, sy, z);
  double d = Distance2D(ex, ey, sx, sy);
  return d == 0 || d < tolerance;
}

}  // namespace quill
