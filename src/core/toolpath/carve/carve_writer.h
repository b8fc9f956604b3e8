// The carving's moves into the cutter-location file.  Straight runs at one depth become one move: a
// point that goes on in the same direction at the same depth is only remembered until the run ends.
#pragma once

#include "toolpath/toolpath_values.h"

namespace quill {

class ClOutput;

class CarveWriter {
 public:
  CarveWriter(ClOutput& out, const ToolPathValues& values) : out_(out), values_(values) {}

  // A new contour: up from the last point, across at the clearance plane, down to (x, y, z).
  void StartContour(double x, double y, double z);
  // A cut to (x, y, z), merged with the cut before when both run the same way at the same depth.
  void CutTo(double x, double y, double z);
  // The end of a character: the last remembered point is cut and the tool goes up.
  void EndCharacter();

 private:
  void WritePending();
  void Retract();
  ClOutput& out_;
  const ToolPathValues& values_;
  double x_ = 0, y_ = 0, z_ = 0, direction_ = 0;
  bool pending_ = false;
  bool inWork_ = false;  // the tool is down: a retract is due before the next rapid
};

}  // namespace quill
