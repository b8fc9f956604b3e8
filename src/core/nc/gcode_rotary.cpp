// Rotary cutting on the face (polar or rectangular) and on the diameter (wrapped or rectangular): the
// words of a block are collected first and written in the machine's register order.
#include <cmath>

#include "mathlib/geom2d.h"
#include "nc/gcode_writer.h"

namespace quill {

std::string GcodeWriter::OrderRotaryWords() const {
  std::string text;
  for (char c : s_.m.ROTORDER) {
    for (const std::string& word : rotaryWords_) {
      if (!word.empty() && word[0] == c) {
        text += word;
        break;
      }
    }
  }
  return text;
}

// The angle word of a length along the circumference: the length wrapped around the rotary radius.
std::string GcodeWriter::WrappedAngleWord(double y) {
  double phi = IsZero(s_.rotaryRadius) ? 0.0 : y / s_.rotaryRadius;
  ReduceAngle(phi);
  phi *= s_.scale.y;
  double word = s_.m.Absolute() ? phi : phi - s_.phiPrev;
  s_.phiPrev = phi;
  s_.angleWritten = true;
  return s_.m.ROTROTREG + s_.FmtA(word * RadToDeg);
}

std::string GcodeWriter::RotaryWords(PostMove& mv, const Values& v) {
  const MachineDefinition& m = s_.m;
  const std::string &L = m.ROTLINREG, &A = m.ROTROTREG, &D = m.ROTDEEPREG;
  rotaryWords_.clear();
  if (m.CUTTYPE == CutRotaryFace) {
    double angle = v.a;
    if (m.ROTRECT && mv.code != 0) {
      mv.rho = v.x * s_.scale.x;
      angle = v.y * DegToRad * s_.scale.y;
    }
    if (s_.Changed(mv.rho, s_.Prho) || m.REDUN) rotaryWords_.push_back(L + s_.Fmt(mv.rho));
    if (s_.Changed(mv.theta, s_.Ptheta) || m.REDUN) {
      rotaryWords_.push_back(A + s_.FmtA(angle * RadToDeg));
      s_.angleWritten = true;
    }
  } else if (m.ROTRECT) {
    rotaryWords_.push_back(L + s_.Fmt(v.x * s_.scale.x));
    rotaryWords_.push_back(A + s_.FmtA(v.y * s_.scale.y));
    s_.angleWritten = true;
  } else {
    if (s_.Changed(mv.X, s_.PX) || m.REDUN) rotaryWords_.push_back(L + s_.Fmt(v.x * s_.scale.x));
    if (s_.Changed(mv.Y, s_.PY) || m.REDUN) rotaryWords_.push_back(WrappedAngleWord(mv.Y));
  }
  if (s_.Changed(mv.Z, s_.PZ)) {
    double depth = v.z;
    // A lathe cutting on the diameter moves its depth axis in diameter terms, from the spindle centre.
    if (Lathe() && m.CUTTYPE == CutRotaryDiameter && !m.ROTRECT) {
      depth = (m.Absolute() ? s_.rotaryRadius + mv.Z : v.z) * s_.scale.x;
    }
    rotaryWords_.push_back(D + s_.Fmt(depth));
  }
  return OrderRotaryWords();
}

std::string GcodeWriter::RotaryPointWords(PostMove& mv, double x, double y) {
  const MachineDefinition& m = s_.m;
  const std::string &L = m.ROTLINREG, &A = m.ROTROTREG;
  rotaryWords_.clear();
  if (m.ROTRECT) {
    rotaryWords_.push_back(L + s_.Fmt(x * s_.scale.x));
    rotaryWords_.push_back(A + s_.FmtA(y * s_.scale.y));
    if (m.CUTTYPE == CutRotaryFace) {
      mv.rho = x * s_.scale.x;
      mv.theta = y * s_.scale.y;
    }
  } else if (m.CUTTYPE == CutRotaryFace) {
    mv.rho = Distance2D(x, y, 0, 0);
    double angle = VectorAngle(x, y);
    if (angle != UndefinedAngle) mv.theta = angle;
    rotaryWords_.push_back(L + s_.Fmt(mv.rho));
    rotaryWords_.push_back(A + s_.FmtA(mv.theta * RadToDeg));
  } else {
    rotaryWords_.push_back(L + s_.Fmt(x * s_.scale.x));
    rotaryWords_.push_back(WrappedAngleWord(y));
  }
  s_.angleWritten = true;
  return OrderRotaryWords();
}

}  // namespace quill
