#include "nc/post_state.h"

#include "mathlib/geom2d.h"
#include "nc/format_number.h"
#include "nc/nc_output.h"

namespace quill {

PostState::PostState(const MachineDefinition& machine, const PostParams& p, NcOutput& output)
    : m(machine), params(p), scale(ComputeAxisScales(machine)), out(output), rotaryRadius(p.rotaryRadius) {
  ForgetPosition();
}

double PostState::UnknownPosition() const {
  if (m.MTYPE == MachDxf) return 0.0;
  return m.Absolute() ? -1000.0 : 0.0;
}

void PostState::ForgetPosition() {
  PX = PY = PZ = Ptheta = Prho = UnknownPosition();
}

void PostState::EndRecord(const PostMove& mv) {
  prevCode = mv.nextCode;
  PX = mv.X;
  PY = mv.Y;
  PZ = mv.Z;
  lastR = mv.R;
  lastQ = mv.Q;
  Ptheta = mv.theta;
  Prho = mv.rho;
}

bool PostState::Changed(double value, double memory) const {
  return !IsZero(value - memory);
}

std::string PostState::Fmt(double v) const {
  return FormatNumber(m.FORMAT, m.DIGL, m.DIGR, v);
}
std::string PostState::FmtA(double v) const {
  return FormatNumber(m.FORMAT, m.DIGL, m.ROTDIGR, v);
}

namespace {

void AppendWord(std::string& text, std::string_view address, int format, int left, int right, double v) {
  char digits[NumberTextRoom];
  text += address;
  text.append(digits, WriteNumber(digits, format, left, right, v));
}

}  // namespace

void PostState::Word(std::string& text, std::string_view address, double v) const {
  AppendWord(text, address, m.FORMAT, m.DIGL, m.DIGR, v);
}

char* PostState::PutWord(char* out, char address, double v) const {
  *out++ = address;
  return WriteNumber(out, m.FORMAT, m.DIGL, m.DIGR, v);
}

void PostState::FeedWord(std::string& text, double v) const {
  AppendWord(text, "F", m.FFORMAT, m.FDIGL, m.FDIGITS, v);
}

void RecordWriter::Text(NcOutput& out, const std::string& text) {
  out.Block(text);
}

}  // namespace quill
