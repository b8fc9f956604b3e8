#include "toolpath/scan/bitmap_scan.h"

#include <algorithm>
#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "pixels/picture.h"
#include "records/cl_record.h"
#include "toolpath/cl_output.h"
#include "ui/ui.h"

namespace quill {

namespace {

// How many samples a row (or rows a scan) holds: from start to end by step, both ends included.
double SampleCount(double length, double step) {
  return std::ceil(length / step) + 1;
}

// The tool's moves: it remembers where it is and whether it stands at the clearance plane.
class ScanWriter {
 public:
  explicit ScanWriter(const ToolPathPass& pass) : pass_(pass) {}
  void Rapid(double x, double y) {
    pass_.out.WriteCLRecord(ClRapid, x, y, pass_.values.ZCLEAR, 0);
    x_ = x, y_ = y, up_ = true;
  }
  void Feed(double x, double y, double z) {
    pass_.out.WriteCLRecord(ClFeed, x, y, z, up_ ? pass_.values.ZFEED : pass_.values.CFEED);
    x_ = x, y_ = y, up_ = false;
  }
  void Retract() {
    if (!up_) Rapid(x_, y_);
  }

 private:
  const ToolPathPass& pass_;
  double x_ = 0, y_ = 0;
  bool up_ = true;
};

class Relief {
 public:
  Relief(const BitmapScanArea& area, const Picture& picture, double depth)
      : area_(area), picture_(picture), depth_(depth) {}

  double DepthAt(double x, double y) const {
    double px = area_.width / picture_.Width(), py = area_.height / picture_.Height();
    double c = std::nearbyint((x - area_.xmin) / px);                       // a half goes to the even one
    double r = picture_.Height() - std::nearbyint((y - area_.ymin) / py);  // row 0 is the top
    double z = depth_ + std::fabs(depth_) * picture_.GreyAt(Held(c, picture_.Width()), Held(r, picture_.Height())) / 255.0;
    return area_.invert ? depth_ - z : z;
  }

 private:
  // The right edge and the bottom edge fall one pixel past the picture: held inside, they read the
  // edge pixels.
  static int Held(double v, int count) { return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(count - 1))); }
  const BitmapScanArea& area_;
  const Picture& picture_;
  double depth_;
};

// One row from `from` towards `to` (either way); p is the depth last cut, the sample written only
// where its depth differs.  Samples stand at from + k step, the last one at `to`.
void ScanRow(const Relief& relief, ScanWriter& tool, double y, double from, double to, double step, double& p) {
  double sign = to >= from ? 1 : -1;
  for (long k = 0;; ++k) {
    double x = from + sign * std::min(static_cast<double>(k) * step, std::fabs(to - from));
    double z = relief.DepthAt(x, y);
    if (z != p) tool.Feed(x, y, z);
    if (IsZero(x - to)) return;
    double next = from + sign * std::min(static_cast<double>(k + 1) * step, std::fabs(to - from));
    // The last sample of a row is always cut.
    p = IsZero(next - to) ? z + 0.0001 : z;
  }
}

}  // namespace

double ScanRecordsPerPass(const BitmapScanArea& a) {
  return SampleCount(a.height, a.ystep) * (SampleCount(a.width, a.xstep) + 2) + 2;
}

std::string CheckScanArea(const BitmapScanArea& a) {
  if (!(a.width > 0) || !(a.height > 0)) return "3D Bitmap Scan Width and Height Must be Greater Than Zero";
  if (!(a.xstep > 0) || !(a.ystep > 0)) return "3D Bitmap Scan Stepovers Must be Greater Than Zero";
  if (!(ScanRecordsPerPass(a) <= MostScanRecords)) {
    return "3D Bitmap Scan Would Write More Than 10000000 Records";
  }
  return {};
}

void BitmapScan(Job& job, const ToolPathPass& pass, const BitmapScanArea& area, const Picture& picture) {
  std::string refusal = CheckScanArea(area);
  if (refusal.empty() && picture.Empty()) refusal = "Cannot Process 3D Bitmap Scan, No Picture Has Been Loaded";
  if (!refusal.empty()) {
    job.ui.Error(refusal);
    return;
  }
  double right = area.xmin + area.width, top = area.ymin + area.height;
  job.view.ViewWindow = {area.xmin, area.ymin, right, top};
  Relief relief(area, picture, pass.depth);
  ScanWriter tool(pass);
  long rows = static_cast<long>(SampleCount(area.height, area.ystep));
  job.ui.ProgressBegin("3D Bitmap Scan", rows);
  if (!area.unidirectional) tool.Rapid(area.xmin, area.ymin);
  double p = pass.values.ZCLEAR;
  bool forward = true;
  for (long k = 0;; ++k) {
    double y = area.ymin + std::min(static_cast<double>(k) * area.ystep, area.height);
    if (forward) {
      p = pass.values.ZCLEAR;
      if (area.unidirectional) tool.Rapid(area.xmin, y);
      ScanRow(relief, tool, y, area.xmin, right, area.xstep, p);
    } else {
      ScanRow(relief, tool, y, right, area.xmin, area.xstep, p);
    }
    if (area.unidirectional) {
      tool.Retract();
    } else {
      forward = !forward;
    }
    if (IsZero(y - top) || !job.ui.ProgressStep(k + 1)) break;
    job.ui.Pump();
  }
  tool.Retract();
  job.ui.ProgressEnd();
}

}  // namespace quill
