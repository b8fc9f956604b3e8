#include "artwork/tools/deskew.h"

#include <cmath>

#include "artwork/workshop/edit_commands.h"
#include "mathlib/geom2d.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* kZeroScale = "Scale May Not be Zero";

// The factor a known point gives along one axis: the wanted size over the size found, 1 when the
// point gives no size there.
double KnownFactor(double wanted, double found) {
  return IsZero(found) ? 1.0 : wanted / std::fabs(found);
}

bool AxisAngle(Ui& ui, const DeskewOptions& options, const DeskewPicks& p, double& theta) {
  theta = 0;
  if (options.axis == DeskewAxis::World) return true;
  if (Distance2D(p.axisX1, p.axisY1, p.axisX2, p.axisY2) == 0) {
    if (options.axis == DeskewAxis::Line) {
      ui.Error("The -X- Axis Line Has No Length");
      return false;
    }
    ui.Error("Same Point Given Twice\nAssuming World -X- axis");
    return true;
  }
  theta = VectorAngle(p.axisX2 - p.axisX1, p.axisY2 - p.axisY1);
  return true;
}

double Factor(const DeskewOptions& options, const DeskewPicks& p, double theta) {
  double kx = p.knownX, ky = p.knownY;
  RotatePoint(kx, ky, p.originX, p.originY, -theta);
  switch (options.scaling) {
    case DeskewScaling::KnownPoint:
      return (KnownFactor(options.first, kx - p.originX) + KnownFactor(options.second, ky - p.originY)) / 2;
    case DeskewScaling::KnownDistance: {
      double found = Distance2D(p.originX, p.originY, kx, ky);
      return IsZero(options.first) || IsZero(found) ? 1.0 : options.first / std::fabs(found);
    }
    case DeskewScaling::KnownScale: return options.first;
    default: return 1.0;
  }
}

}  // namespace

std::string DeskewOptions::Check() const {
  if (!std::isfinite(first) || !std::isfinite(second)) return "Deskew Values Must be Numbers";
  if (scaling == DeskewScaling::KnownScale && IsZero(first)) return kZeroScale;
  return {};
}

bool ComputeDeskew(Ui& ui, const DeskewOptions& options, const DeskewPicks& picks, DeskewMove& move) {
  if (std::string why = options.Check(); !why.empty()) {
    ui.Error(why);
    return false;
  }
  if (!AxisAngle(ui, options, picks, move.theta)) return false;
  move.factor = Factor(options, picks, move.theta);
  if (IsZero(move.factor) || !std::isfinite(move.factor)) {
    ui.Error(kZeroScale);
    return false;
  }
  return true;
}

ToolResult DeskewScale(Ui& ui, std::span<const tgEntity> entities, const DeskewOptions& options,
                       const DeskewPicks& picks) {
  DeskewMove move;
  if (!ComputeDeskew(ui, options, picks, move)) return ToolResult::With(ToolStatus::Refused);
  ToolResult result{ToolStatus::Done, {entities.begin(), entities.end()}};
  for (tgEntity& e : result.entities) {
    e.Rotate(ui, picks.originX, picks.originY, -move.theta);
    ScaleEntity(ui, e, picks.originX, picks.originY, move.factor);
    e.Move(ui, -picks.originX, -picks.originY, 0);
  }
  return result;
}

}  // namespace quill
