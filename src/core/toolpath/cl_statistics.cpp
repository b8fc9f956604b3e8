#include "toolpath/cl_statistics.h"

#include <cerrno>
#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "records/cl_record.h"
#include "toolpath/cl_output.h"

namespace quill {

namespace {

struct Position {
  double x = 0, y = 0, z = 0;
};

// The angle an arc turns through from its start to its end; coinciding ends are a full turn.
double Sweep(const Position& from, const ClRecord& r) {
  if (IsZero(r.X - from.x) && IsZero(r.Y - from.y)) return TwoPi;
  double a1 = std::atan2(from.y - r.CY, from.x - r.CX);
  double a2 = std::atan2(r.Y - r.CY, r.X - r.CX);
  double sweep = std::fmod(r.code == ClArcCcw ? a2 - a1 : a1 - a2, TwoPi);
  return sweep < 0 ? sweep + TwoPi : sweep;
}

double MoveLength(const Position& from, const ClRecord& r) {
  if (r.code == ClArcCw || r.code == ClArcCcw) return Sweep(from, r) * std::hypot(r.X - r.CX, r.Y - r.CY);
  return std::sqrt((r.X - from.x) * (r.X - from.x) + (r.Y - from.y) * (r.Y - from.y) + (r.Z - from.z) * (r.Z - from.z));
}

}  // namespace

bool CLStatistics(Job& job, long& moves, double& rapidLength, double& feedLength) {
  if (!job.flags.ToolPathCreated) return false;
  errno = 0;
  ClReader in(job.paths.CLFileName);
  if (!in.IsOpen()) {
    ReportClFileError(job.ui, errno, job.paths.CLFileName);
    return false;
  }
  moves = 0;
  rapidLength = feedLength = 0;
  Position at;
  bool placed = false;  // the first move starts from nowhere known and adds no length
  ClRecord r;
  while (in.Next(r)) {
    if (r.code < ClRapid || r.code > ClArcCcw) continue;
    ++moves;
    double length = placed ? MoveLength(at, r) : 0.0;
    (r.code == ClRapid ? rapidLength : feedLength) += length;
    at = {r.X, r.Y, r.Z};
    placed = true;
  }
  return true;
}

}  // namespace quill
