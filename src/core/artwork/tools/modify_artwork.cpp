#include "artwork/tools/modify_artwork.h"

#include <cerrno>
#include <cmath>
#include <vector>

#include "artwork/tools/artwork_ordering.h"
#include "artwork/tools/progress_meter.h"
#include "job/job.h"
#include "mathlib/geom2d.h"
#include "records/artwork_record.h"
#include "records/atomic_file.h"
#include "ui/ui.h"

namespace quill {

namespace {

class Transform {
 public:
  explicit Transform(const ModifyArtworkOptions& o) : o_(o), a_(o.rotateDegrees * DegToRad) {}

  void Point(double& x, double& y) const {
    RotatePoint(x, y, 0, 0, a_);
    x = (x + o_.xOffset) * o_.xScale;
    y = (y + o_.yOffset) * o_.yScale;
  }

  void Apply(ArtRecord& r) const {
    double* v = r.v;
    if (r.kind == ArtLine) {
      Point(v[0], v[1]);
      Point(v[2], v[3]);
      return;
    }
    Point(v[0], v[1]);
    v[2] *= std::fabs(o_.xScale);
    if (SameDirection(v[3], v[4])) return;  // a full circle is the same circle turned
    // Both scales negative (they are equal for arcs) turn the drawing half a turn.
    const double turn = a_ + (o_.xScale < 0 ? Pi : 0);
    for (double* angle : {&v[3], &v[4]}) {
      *angle += turn;
      if (*angle < 0) *angle += TwoPi;
      if (o_.xScale < 0 && *angle > TwoPi) *angle -= TwoPi;
    }
  }

 private:
  const ModifyArtworkOptions& o_;
  double a_;
};

// The lines and arcs of the artwork file; arcs tells whether there were any.
std::vector<ArtRecord> ReadArtwork(const std::string& path, bool& arcs) {
  std::vector<ArtRecord> records;
  ArtReader in(path);
  ArtRecord r;
  arcs = false;
  while (in.Next(r)) {
    if (r.kind != ArtLine && r.kind != ArtArcCw && r.kind != ArtArcCcw) continue;
    arcs |= r.kind != ArtLine;
    records.push_back(r);
  }
  return records;
}

bool WriteArtwork(Job& job, const std::vector<ArtRecord>& records) {
  errno = 0;
  AtomicFile out(job.paths.ArtFileName);
  for (const ArtRecord& r : records) out.Write(FormatArtRecord(r) + "\r\n");
  if (out.Commit()) return true;
  job.ui.Warn("Art File access error #" + std::to_string(errno) + " [" + job.paths.ArtFileName + "]");
  return false;
}

}  // namespace

std::string ModifyArtworkOptions::Check() const {
  if (IsZero(xScale) || IsZero(yScale)) return "X / Y Scale May Not be Zero";
  for (double v : {xOffset, yOffset, xScale, yScale, rotateDegrees, endTolerance}) {
    if (!std::isfinite(v)) return "Modify Artwork Values Must be Numbers";
  }
  return {};
}

bool ModifyArtwork(Job& job, const ModifyArtworkOptions& options, long* records) {
  Ui& ui = job.ui;
  if (!job.flags.ArtworkPresent) {
    ui.Inform("Art File has not been Imported / Created Yet");
    return false;
  }
  if (std::string why = options.Check(); !why.empty()) {
    ui.Error(why);
    return false;
  }
  BusyScope busy(ui);
  bool arcs = false;
  std::vector<ArtRecord> art = ReadArtwork(job.paths.ArtFileName, arcs);
  if (arcs && !IsZero(options.xScale - options.yScale)) {
    ui.Error("File contains Arcs,X/Y Scale must be Equal\nThe Artwork has not been Changed");
    return false;
  }
  Transform transform(options);
  for (ArtRecord& r : art) transform.Apply(r);
  if (options.optimize) {
    ProgressMeter meter(ui, "Optimize Tool Path", art.size());
    if (!OrderArtwork(art, options.endTolerance, meter)) return false;
  }
  if (!WriteArtwork(job, art)) return false;
  job.flags.ArtworkPresent = true;
  job.flags.ProjectModified = true;
  if (records) *records = static_cast<long>(art.size());
  return true;
}

}  // namespace quill
