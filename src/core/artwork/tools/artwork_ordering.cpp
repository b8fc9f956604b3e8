// The ordering without rescanning the file for every record: the end points of the records not yet
// placed sit in a grid, so the record that continues is found among the few near the current point,
// and the nearest one ring by ring outwards.
#include "artwork/tools/artwork_ordering.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "artwork/tools/end_point_grid.h"
#include "artwork/tools/progress_meter.h"

namespace quill {

namespace {

constexpr uint32_t kNone = EndPointGrid::None;

double Gap(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

class Orderer {
 public:
  Orderer(const std::vector<ArtRecord>& records, double tolerance)
      : records_(records), tolerance_(tolerance), ends_(EndsOf(records)), grid_(ends_) {}

  // The next record and how it goes; false when none is left.
  bool Next(ArtRecord& out) {
    if (grid_.AliveCount() == 0) return false;
    bool reversed = false;
    // The first record is the nearest to the origin; after that, a record that continues comes first.
    uint32_t id = started_ ? Continuing(reversed) : kNone;
    started_ = true;
    if (id == kNone) {
      id = Nearest();
      const ItemEnds& e = ends_[id];
      reversed = !(Gap(px_, py_, e.sx, e.sy) < Gap(px_, py_, e.ex, e.ey));
    }
    grid_.Remove(id);
    const ItemEnds& e = ends_[id];
    px_ = reversed ? e.sx : e.ex, py_ = reversed ? e.sy : e.ey;
    out = reversed ? Reversed(records_[id]) : records_[id];
    return true;
  }

 private:
  static std::vector<ItemEnds> EndsOf(const std::vector<ArtRecord>& records) {
    std::vector<ItemEnds> ends(records.size());
    for (size_t i = 0; i < records.size(); ++i) RecordEnds(records[i], ends[i].sx, ends[i].sy, ends[i].ex, ends[i].ey);
    return ends;
  }

  bool Meets(double x, double y) const { return std::fabs(x - px_) < tolerance_ && std::fabs(y - py_) < tolerance_; }

  // The earliest record with an end at the current point (its start tried first).
  uint32_t Continuing(bool& reversed) {
    if (!(tolerance_ > 0)) return kNone;
    uint32_t best = kNone;
    grid_.Near(px_, py_, tolerance_, [&](uint32_t id) {
      if (id >= best) return;
      const ItemEnds& e = ends_[id];
      bool start = Meets(e.sx, e.sy);
      if (start || Meets(e.ex, e.ey)) best = id, reversed = !start;
    });
    return best;
  }

  // The record whose nearer end is closest to the current point, the earliest of equals.
  uint32_t Nearest() {
    return grid_.Nearest(
        px_, py_,
        [&](uint32_t id) {
          const ItemEnds& e = ends_[id];
          return std::min(Gap(px_, py_, e.sx, e.sy), Gap(px_, py_, e.ex, e.ey));
        },
        [](uint32_t id) { return id; });
  }

  const std::vector<ArtRecord>& records_;
  double tolerance_;
  std::vector<ItemEnds> ends_;
  EndPointGrid grid_;
  double px_ = 0, py_ = 0;
  bool started_ = false;
};

}  // namespace

void RecordEnds(const ArtRecord& r, double& sx, double& sy, double& ex, double& ey) {
  const double* v = r.v;
  if (r.kind == ArtLine) {
    sx = v[0], sy = v[1], ex = v[2], ey = v[3];
    return;
  }
  sx = v[0] + v[2] * std::cos(v[3]), sy = v[1] + v[2] * std::sin(v[3]);
  ex = v[0] + v[2] * std::cos(v[4]), ey = v[1] + v[2] * std::sin(v[4]);
}

ArtRecord Reversed(const ArtRecord& r) {
  ArtRecord out = r;
  if (r.kind == ArtLine) {
    std::swap(out.v[0], out.v[2]);
    std::swap(out.v[1], out.v[3]);
  } else {
    std::swap(out.v[3], out.v[4]);
    out.kind = r.kind == ArtArcCcw ? ArtArcCw : ArtArcCcw;
  }
  return out;
}

bool OrderArtwork(std::vector<ArtRecord>& records, double tolerance, ProgressMeter& meter) {
  Orderer orderer(records, tolerance);
  std::vector<ArtRecord> ordered;
  ordered.reserve(records.size());
  ArtRecord next;
  while (orderer.Next(next)) {
    if (!meter.At(ordered.size())) return false;
    ordered.push_back(next);
  }
  records = std::move(ordered);
  return true;
}

}  // namespace quill
