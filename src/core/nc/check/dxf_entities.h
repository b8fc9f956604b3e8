// A DXF drawing written for a DXF machine read back as its entities, and compared with the cuts of the
// tool path it was drawn from.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "nc/check/check_types.h"

namespace quill {

struct MachineDefinition;
struct ClPath;

struct DxfEntity {
  enum class Kind { Line, Arc, Circle, Point };
  Kind kind = Kind::Line;
  long line = 0;                   // of its "  0" group
  std::array<double, 3> a{}, b{};  // a line's ends; the centre (or the point) in a
  double radius = 0;
  double startAngle = 0, endAngle = 0;  // degrees, counter-clockwise from the start
};

struct DrawingRead {
  bool opened = false;
  long lines = 0;
  std::vector<DxfEntity> entities;
  std::vector<CheckFinding> findings;
};

// The LINE, ARC, CIRCLE and POINT entities of the ENTITIES section; other sections and entities are
// passed over.
DrawingRead ReadDxfDrawing(const std::string& path);

// Entity by entity against the cuts of the tool path as the machine's drawing shows them (from above,
// or from the side for a lathe drawing; flat or 3D).  The first entity that is not its cut is a finding.
void CompareDrawing(const DrawingRead& drawing, const std::string& clFile, const MachineDefinition& m,
                    std::vector<CheckFinding>& findings);

}  // namespace quill
