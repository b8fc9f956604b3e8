#include "toolpath/cutter.h"

#include "mathlib/geom2d.h"
#include "toolpath/cl_output.h"

namespace quill {

bool Cutter::At(double x, double y) const {
  return IsNearZero(x - px_) && IsNearZero(y - py_);
}

void Cutter::SetPrevious(double x, double y) {
  px_ = x;
  py_ = y;
}

void Cutter::Retract() {
  pass_.out.WriteCLRecord(ClRapid, px_, py_, pass_.values.ZCLEAR, 0);
}

void Cutter::RapidTo(double x, double y) {
  pass_.out.WriteCLRecord(ClRapid, x, y, pass_.values.ZCLEAR, 0);
  SetPrevious(x, y);
  first_ = false;
  positioned_ = true;
}

void Cutter::Plunge() {
  if (!positioned_) RapidTo(px_, py_);
  double x = px_, y = py_, z = pass_.depth;
  if (pass_.projection) pass_.projection->ProjectPoint(x, y, z);
  pass_.out.WriteCLRecord(ClFeed, x, y, z, pass_.values.ZFEED);
}

void Cutter::LineTo(double x, double y) {
  if (pass_.projection) {
    pass_.projection->ProjectedLine(pass_.out, px_, py_, x, y, pass_.values.CFEED);
  } else {
    pass_.out.WriteCLRecord(ClFeed, x, y, pass_.depth, pass_.values.CFEED);
  }
  SetPrevious(x, y);
  first_ = false;
}

void Cutter::ArcTo(int code, double x, double y, double cx, double cy) {
  if (pass_.projection) {
    pass_.projection->ProjectedArc(pass_.out, code, px_, py_, x, y, cx, cy, pass_.values.CFEED);
  } else {
    pass_.out.WriteCLRecord(code, x, y, pass_.depth, pass_.values.CFEED, cx, cy);
  }
  SetPrevious(x, y);
  first_ = false;
}

void Cutter::Finish() {
  if (!first_) Retract();
}

}  // namespace quill
