#include "nc/gcode_writer.h"

#include <cmath>

#include "mathlib/geom2d.h"
#include "nc/nc_output.h"

namespace quill {

namespace {

bool IsArc(int code) {
  return code == 2 || code == 3;
}
bool IsCycle(int code) {
  return code >= 81 && code <= 89;
}

// A lathe cuts in its XZ plane: its X word comes from the tool path Y, its Z word from the tool path X.
void Relabel(PostMove& mv) {
  double x = mv.X;
  mv.X = mv.Y;
  mv.Y = mv.Z;
  mv.Z = x;
  std::swap(mv.CX, mv.CY);
}

}  // namespace

void GcodeWriter::Header() {
  s_.out.Block(s_.m.Absolute() ? "G90" : "G91");
  if (s_.m.Rotary() && !s_.m.ROTENTER.empty()) s_.out.Block(s_.m.ROTENTER);
}

void GcodeWriter::Closing() {
  if (s_.m.Rotary() && !s_.m.ROTLEAVE.empty()) s_.out.Block(s_.m.ROTLEAVE);
}

bool GcodeWriter::Record(PostMove& mv) {
  if (mv.code < 0) return false;
  if (XzArcs()) Relabel(mv);
  if (mv.code == 80 && !Lathe()) {
    s_.out.Block("G80");
    return true;
  }
  const Values v = WordValues(mv);
  std::string& text = block_;
  text.clear();
  if (s_.m.Rotary()) {
    text = RotaryWords(mv, v);
  } else {
    PlainWords(mv, v, text);
  }
  if (IsArc(mv.code) && !AppendArcWords(mv, text)) {
    mv.nextCode = 1;  // the arc went out as linear points
    return true;
  }
  if (IsCycle(mv.code)) {
    if (s_.Changed(mv.R, s_.lastR)) s_.Word(text, "R", mv.R);
    if (mv.code == 83 && s_.Changed(mv.Q, s_.lastQ)) s_.Word(text, "Q", mv.Q);
  }
  FinishBlock(mv, text);
  return true;
}

GcodeWriter::Values GcodeWriter::WordValues(const PostMove& mv) const {
  if (s_.m.Absolute()) return {mv.X, mv.Y, mv.Z, mv.theta};
  return {mv.X - s_.PX, mv.Y - s_.PY, mv.Z - s_.PZ, mv.theta - s_.Ptheta};
}

void GcodeWriter::PlainWords(const PostMove& mv, const Values& v, std::string& text) {
  const MachineDefinition& m = s_.m;
  if (s_.Changed(mv.X, s_.PX) || m.REDUN) s_.Word(text, "X", v.x * s_.scale.x);
  if (!Lathe() && (s_.Changed(mv.Y, s_.PY) || m.REDUN)) s_.Word(text, "Y", v.y * s_.scale.y);
  if (s_.Changed(mv.Z, s_.PZ)) {
    if (m.B3AXIS) {
      s_.Word(text, "Z", v.z);
    } else {
      // Without a programmable Z the spindle goes up or down by a code block of its own.
      const std::string& spindle = mv.Z - s_.PZ > 0 ? m.ZUPSTR : m.ZDNSTR;
      if (!spindle.empty()) s_.out.Block(spindle);
    }
  }
}

void GcodeWriter::InsertMotionCode(int code, std::string& text) const {
  switch (code) {
    case 0: text.insert(0, s_.m.RAPCODE); break;
    case 1: text.insert(0, s_.m.LINCODE); break;
    case 2: text.insert(0, s_.m.CWCODE); break;
    case 3: text.insert(0, s_.m.CCWCODE); break;
    default: text.insert(0, "G" + std::to_string(code)); break;
  }
}

void GcodeWriter::FinishBlock(PostMove& mv, std::string& text) {
  const MachineDefinition& m = s_.m;
  if (text.empty()) {
    mv.nextCode = s_.prevCode;
    return;
  }
  if (mv.code != s_.prevCode || Bendix() || !m.MODALG) {
    if (m.Rotary() && m.ROTRECT) {
      // Rectangular rotary interpolation is left for rapids and entered again for the cut.
      const std::string& mode = mv.code == 0 ? m.ROTLEAVE : (s_.prevCode == 0 ? m.ROTENTER : std::string());
      if (!mode.empty()) s_.out.NumberedLine(mode);
    }
    InsertMotionCode(mv.code, text);
  }
  if (mv.code != 0) AppendFeed(mv, text);
  s_.out.Block(text);
}

void GcodeWriter::AppendFeed(const PostMove& mv, std::string& text) {
  if (!s_.Changed(mv.F, s_.lastFeed)) return;
  double feed = mv.F;
  if (s_.m.Rotary() && s_.m.FEEDDPM && s_.angleWritten) {
    if (IsZero(mv.F)) return;
    // Degrees per minute at the radius being cut: 360 degrees per circumference 2*pi*(radius + Z).
    double radius = s_.rotaryRadius + mv.Z;
    if (radius > ZeroTolerance) feed = 180.0 * mv.F / (Pi * radius);
  }
  s_.lastFeed = mv.F;
  s_.FeedWord(text, feed);
}

}  // namespace quill
