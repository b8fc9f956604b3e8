// "Deskew & Scale": straightens and rescales traced or scanned artwork.  The operator picks an origin,
// an X axis (a line of the drawing, or two points) and, by the scale option, a known point; the
// selection is turned so the axis runs along X, scaled about the origin and moved so the origin
// becomes (0, 0).
#pragma once

#include <span>
#include <string>

#include "artwork/tools/tool_result.h"

namespace quill {

class Ui;

// "Scale Options", in the order of the window's items.
enum class DeskewScaling { None, KnownPoint, KnownDistance, KnownScale };
// "Deskew (-X- Axis) Options".
enum class DeskewAxis { World, Line, TwoPoints };

struct DeskewOptions {
  DeskewScaling scaling = DeskewScaling::KnownPoint;
  DeskewAxis axis = DeskewAxis::Line;
  // The two fields: "-X-" and "-Y-" for a known point, "Distance" or "Scale" in the first.
  double first = 0, second = 0;

  // Empty when the options can be worked; otherwise the message to show ("Known Scale" of 0).
  std::string Check() const;
};

// What the operator picked for the command.
struct DeskewPicks {
  double originX = 0, originY = 0;
  // The axis from (x1, y1) to (x2, y2): the picked line, or the two picked points.
  double axisX1 = 0, axisY1 = 0, axisX2 = 1, axisY2 = 0;
  double knownX = 0, knownY = 0;  // the known point
};

// The turn and the factor the picks give.
struct DeskewMove {
  double theta = 0;  // the axis's angle: the drawing turns by minus this
  double factor = 1;
};

// Works out the move.  Two axis points that are the same show "Same Point Given Twice" and "Assuming
// World -X- axis" and take the world axis.  A picked axis line without length, a known scale of 0 or a
// factor that comes out 0: refused, with the reason shown (false).
bool ComputeDeskew(Ui& ui, const DeskewOptions& options, const DeskewPicks& picks, DeskewMove& move);

// The entities turned by minus the axis angle and scaled about the origin, then moved so the origin is
// (0, 0); same order, same flags.  Refused as ComputeDeskew refuses.
ToolResult DeskewScale(Ui& ui, std::span<const tgEntity> entities, const DeskewOptions& options,
                       const DeskewPicks& picks);

}  // namespace quill
