// G-code machines (mill, lathe, Bendix mill): one block per move record, words by the machine's formats.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "nc/post_state.h"

namespace quill {

// A point in the plane arcs are cut in: h the horizontal axis, v the vertical one (X and Y on a mill,
// lathe Z and lathe X on a lathe).
struct PlanePoint {
  double h = 0, v = 0;
};

// The sweep of an arc from start to end about centre, 0 < s <= 2*pi (a zero sweep is a full circle).
double ArcSweep(int code, PlanePoint start, PlanePoint end, PlanePoint centre);

// The angular step of a linearised arc of radius r for a chordal tolerance.
double LinearisationStep(double tolerance, double r);

class GcodeWriter : public RecordWriter {
 public:
  explicit GcodeWriter(PostState& state) : s_(state) {}
  void Header() override;
  bool Record(PostMove& mv) override;
  void Closing() override;

 private:
  struct Values {  // word values: absolute, or increments from the memories
    double x, y, z, a;
  };
  struct Arc {
    PlanePoint start, end, centre;
  };

  bool Lathe() const { return s_.m.MTYPE == MachLathe; }
  bool Bendix() const { return s_.m.MTYPE == MachBendix; }
  bool XzArcs() const { return Lathe() && !s_.m.Rotary(); }
  Values WordValues(const PostMove& mv) const;
  void PlainWords(const PostMove& mv, const Values& v, std::string& text);
  void FinishBlock(PostMove& mv, std::string& text);
  void AppendFeed(const PostMove& mv, std::string& text);
  void InsertMotionCode(int code, std::string& text) const;

  // gcode_rotary.cpp
  std::string RotaryWords(PostMove& mv, const Values& v);
  std::string RotaryPointWords(PostMove& mv, double x, double y);
  std::string WrappedAngleWord(double y);
  std::string OrderRotaryWords() const;

  // gcode_arcs.cpp
  Arc ArcOf(const PostMove& mv) const;
  bool AppendArcWords(PostMove& mv, std::string& text);
  void LineariseArc(PostMove& mv, double sweep, const Arc& arc);
  void WriteArcPoint(PostMove& mv, bool first, PlanePoint p);

  PostState& s_;
  // The block being built, kept from record to record so that building a block allocates nothing once
  // it has grown.
  std::string block_;
  std::vector<std::string> rotaryWords_;
  PlanePoint lastPoint_;  // the last linearised point written, for incremental words
};

}  // namespace quill
