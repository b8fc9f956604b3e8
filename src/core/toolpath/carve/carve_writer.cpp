#include "toolpath/carve/carve_writer.h"

#include "mathlib/geom2d.h"
#include "records/cl_record.h"
#include "toolpath/cl_output.h"

namespace quill {

void CarveWriter::WritePending() {
  if (!pending_) return;
  out_.WriteCLRecord(ClFeed, x_, y_, z_, values_.CFEED);
  pending_ = false;
}

void CarveWriter::Retract() {
  if (!inWork_) return;
  out_.WriteCLRecord(ClRapid, x_, y_, values_.ZCLEAR, 0);
  inWork_ = false;
}

void CarveWriter::StartContour(double x, double y, double z) {
  WritePending();
  Retract();
  out_.WriteCLRecord(ClRapid, x, y, values_.ZCLEAR, 0);
  out_.WriteCLRecord(ClFeed, x, y, z, values_.ZFEED);
  x_ = x, y_ = y, z_ = z;
  direction_ = UndefinedAngle;
  inWork_ = true;
}

void CarveWriter::CutTo(double x, double y, double z) {
  double direction = VectorAngle(x - x_, y - y_);
  if (IsZero(z - z_) && SameDirection(direction, direction_)) {
    pending_ = true;
  } else {
    WritePending();
    out_.WriteCLRecord(ClFeed, x, y, z, values_.CFEED);
  }
  x_ = x, y_ = y, z_ = z;
  direction_ = direction;
}

void CarveWriter::EndCharacter() {
  WritePending();
  Retract();
}

}  // namespace quill
