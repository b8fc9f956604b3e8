#include "artwork/tools/linearize.h"

#include <algorithm>
#include <cmath>

#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

namespace {

// A third of a turn: the longest chord step, so no circle collapses to a line there and back.
constexpr double MaxStep = TwoPi / 3;
// Chords this close to the end in angle end there instead of leaving a sliver of a last chord.
constexpr double EndSlack = 1e-9;

double StepAngle(double r, double tolerance) {
  return std::min(2 * ArcCos(1 - tolerance / r), MaxStep);
}

// The angle the arc turns through, a full turn for an arc whose ends meet.
double Sweep(const tgEntity& arc) {
  double from = arc.IsCCW() ? arc.SA() : arc.FA(), to = arc.IsCCW() ? arc.FA() : arc.SA();
  double s = std::fmod(to - from, TwoPi);
  if (s < 0) s += TwoPi;
  return IsZero(s) ? TwoPi : s;
}

std::string Where(const tgEntity& arc) {
  return " at X " + FormatFixed(arc.X(), 5) + " Y " + FormatFixed(arc.Y(), 5) + " R " + FormatFixed(arc.R(), 5);
}

// Empty when the arc can be cut into chords; the message otherwise.  count grows by its chords.
std::string CheckArc(const tgEntity& arc, double tolerance, size_t& count) {
  if (!(arc.R() > 0) || IsZero(arc.R())) return "Arc Without Radius" + Where(arc) + ", Arcs not Converted";
  if (tolerance > 2 * arc.R()) return "Tolerance Larger than Arc Diameter" + Where(arc) + ", Arcs not Converted";
  double chords = std::ceil(Sweep(arc) / StepAngle(arc.R(), tolerance)) + 1;
  if (!(chords <= static_cast<double>(MaxLinearizeLines - count))) {
    return "Tolerance Too Small, More than " + std::to_string(MaxLinearizeLines) + " Lines, Arcs not Converted";
  }
  count += static_cast<size_t>(chords);
  return {};
}

}  // namespace

std::string LinearizeOptions::Check() const {
  if (!(tolerance > 0) || !std::isfinite(tolerance)) return "Tolerance Must be Greater than Zero";
  return {};
}

void ArcChords(const tgEntity& arc, double tolerance, std::vector<tgEntity>& out) {
  const double step = StepAngle(arc.R(), tolerance), sweep = Sweep(arc), turn = arc.IsCCW() ? 1.0 : -1.0;
  double x, y, z, ex, ey;
  arc.StartXYZ(x, y, z);
  arc.EndXYZ(ex, ey, z);
  tgEntity chord;
  for (long k = 1;; ++k) {
    double along = static_cast<double>(k) * step;
    bool last = along >= sweep - EndSlack;
    double b = arc.SA() + turn * along;
    double nx = last ? ex : arc.X() + arc.R() * std::cos(b), ny = last ? ey : arc.Y() + arc.R() * std::sin(b);
    chord.SetLine(x, y, 0, nx, ny, 0);
    out.push_back(chord);
    if (last) return;
    x = nx, y = ny;
  }
}

ToolResult LinearizeArcs(Ui& ui, std::span<const tgEntity> entities, const LinearizeOptions& options) {
  if (std::string why = options.Check(); !why.empty()) {
    ui.Error(why);
    return ToolResult::With(ToolStatus::Refused);
  }
  size_t chords = 0;
  bool anyArc = false;
  for (const tgEntity& e : entities) {
    if (!e.IsArc()) continue;
    anyArc = true;
    if (std::string why = CheckArc(e, options.tolerance, chords); !why.empty()) {
      ui.Error(why);
      return ToolResult::With(ToolStatus::Refused);
    }
  }
  if (!anyArc) return ToolResult::With(ToolStatus::Nothing);
  ToolResult result;
  result.entities.reserve(entities.size() + chords);
  for (const tgEntity& e : entities) {
    if (!e.IsArc()) result.entities.push_back(e);
  }
  for (const tgEntity& e : entities) {
    if (e.IsArc()) ArcChords(e, options.tolerance, result.entities);
  }
  return result;
}

}  // namespace quill
