// A machine's axes as its control reads the words of a program, and where a tool path point lies on
// them: X, Y, Z on a mill; the lathe's X (a diameter word read as a radius) and Z; the linear, rotary
// and depth registers of rotary cutting.
#pragma once

#include <array>
#include <string>

#include "nc/check/check_types.h"
#include "nc/machine_definition.h"

namespace quill {

// How the words of one kind are written: FORMAT code, digits left, digits right.
struct WordFormat {
  int format = 1;
  int left = 3;
  int right = 4;
};

struct Axis {
  char letter = 0;  // the register; 0 for a slot the machine does not move
  WordFormat format;
  double divisor = 1;       // position = word value / divisor (a lathe's diameter words)
  bool angle = false;       // degrees, compared round the circle
  bool incremental = true;  // its words are steps when the program is incremental
  double tolerance = 0;     // how far one word's rounding (and a change too small to write) may stray
};

class AxisMap {
 public:
  explicit AxisMap(const MachineDefinition& m);

  const std::array<Axis, AxisCount>& Axes() const { return axes_; }
  // The slot of a register letter; -1 when no axis has it.
  int Find(char letter) const;

  // The tool path point (x, y, z) of a record with this code on the machine's axes.  An axis the
  // point does not fix (the angle of the rotary centre) is left unknown.
  AxisPoint Project(double x, double y, double z, int code, double rotaryRadius) const;

  // The two slots of the plane arcs are cut in; false when arcs are not compared in shape (rotary).
  bool Plane(int& h, int& v) const;

  // The slot that holds the tool path's depth; -1 when the program writes no depth.
  int DepthSlot() const { return depth_; }
  double DepthOf(double value, double rotaryRadius) const;

  // Words of a position: "X1.0000 Y2.0000 Z-0.0100".
  std::string Describe(const AxisPoint& p) const;

  const MachineDefinition& machine() const { return m_; }

 private:
  void SetMill();
  void SetLathe();
  void SetRotary();

  MachineDefinition m_;
  AxisScales scale_;
  std::array<Axis, AxisCount> axes_{};
  int planeH_ = -1, planeV_ = -1;
  int depth_ = -1;
};

// The tolerance one word of r decimals gives a position: half its last digit, and the change below
// which the post-processor writes no word at all.
double WordTolerance(int decimals);

}  // namespace quill
