#include "nc/listing_writers.h"

#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "nc/format_number.h"
#include "nc/nc_output.h"

namespace quill {

namespace {

// The mode word of a record: one each for codes 0 to 3 and one for drilling; other codes keep the last.
void UpdateMode(std::string& mode, int code, const char* const (&names)[5]) {
  if (code >= 0 && code <= 3) {
    mode = names[code];
  } else if (code >= 80 && code <= 90) {
    mode = names[4];
  }
}

std::string RightAligned(std::string text, size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// The words of a move: increments from the memories on an incremental machine.
struct Moved {
  double x, y, z;
};
Moved MovedBy(const PostState& s, const PostMove& mv) {
  if (s.m.Absolute()) return {mv.X, mv.Y, mv.Z};
  return {mv.X - s.PX, mv.Y - s.PY, mv.Z - s.PZ};
}

}  // namespace

// EZ-Track lines count in tens; the counter is the sequence step, and the header takes 0000 to 0020.
void EzTrackWriter::Header() {
  s_.out.Line("0000 EZTRAK|SX 1 MODE|INCH");
  s_.out.Line("0010 AUXFUN T1 M6");
  s_.out.Line("0020 SETRPM S100");
  s_.out.step = 20;
}

std::string EzTrackWriter::Number(double v) const {
  return FormatNumber(FmtDecimal, s_.m.DIGL, s_.m.DIGR, v);
}

bool EzTrackWriter::Record(PostMove& mv) {
  if (mv.code < 0) return false;
  UpdateMode(mode_, mv.code, {"RAPID ABS ", "LINE ABS ", "ARC|RADIUS ABS CW ", "ARC|RADIUS ABS CCW ", "DR|PT ABS "});
  s_.out.step += 10;
  Moved v = MovedBy(s_, mv);
  std::string line = FormatNumber(FmtLeadingZeros, 4, 0, static_cast<double>(s_.out.step)) + " " + mode_ + "X" +
                     Number(v.x) + " Y" + Number(v.y) + " Z" + Number(v.z);
  if (mv.code == 2 || mv.code == 3) line += " R" + Number(Distance2D(mv.CX, mv.CY, mv.X, mv.Y));
  if (mv.code != 0) line += " F" + Number(mv.F);
  s_.out.Line(line);
  return true;
}

void EzTrackWriter::Closing() {
  s_.out.step += 10;
  s_.out.Line(FormatNumber(FmtLeadingZeros, 4, 0, static_cast<double>(s_.out.step)) + " || END|PRGM");
}

void PrintWriter::Header() {
  s_.out.step = 0;
  s_.out.Line("#    MODE       X         Y         Z         F         XC        YC");
}

bool PrintWriter::Record(PostMove& mv) {
  if (mv.code < 0) return false;
  UpdateMode(mode_, mv.code, {"RAPID ", "LINEAR", "CW    ", "CCW   ", "DRILL "});
  s_.out.step += 1;
  Moved v = MovedBy(s_, mv);
  std::string line = RightAligned(std::to_string(s_.out.step), 4) + " " + mode_;
  double columns[] = {v.x, v.y, v.z, mv.F, mv.CX, mv.CY};
  const size_t count = mv.code == 2 || mv.code == 3 ? 6 : 4;
  for (size_t i = 0; i < count; ++i) line += RightAligned(FormatFixed(columns[i], 4), 10);
  s_.out.Line(line);
  return true;
}

}  // namespace quill
