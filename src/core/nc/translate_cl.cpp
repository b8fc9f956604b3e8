#include "nc/translate_cl.h"

#include "mathlib/geom2d.h"
#include "nc/cl_stream.h"
#include "nc/dxf_writer.h"
#include "nc/gcode_writer.h"
#include "nc/listing_writers.h"
#include "nc/macro_expand.h"
#include "nc/nc_output.h"
#include "ui/ui.h"

namespace quill {

namespace {

// The window shows the record counter; updating it for every record would cost more than the record.
constexpr long CounterEvery = 256;

PostMove MoveOf(const ClRecord& rec, const PostState& s) {
  PostMove mv;
  mv.code = mv.nextCode = rec.code;
  mv.X = rec.X, mv.Y = rec.Y, mv.Z = rec.Z, mv.F = rec.F;
  mv.CX = rec.CX, mv.CY = rec.CY, mv.R = rec.R, mv.Q = rec.Q;
  mv.rho = Distance2D(rec.X, rec.Y, 0, 0);
  mv.theta = VectorAngle(rec.X, rec.Y);
  // On the rotary centre the angle is undefined: the tool keeps the angle it had.
  if (mv.theta == UndefinedAngle) mv.theta = s.Ptheta == s.UnknownPosition() ? 0.0 : s.Ptheta;
  return mv;
}

void Counter(Ui& ui, long records) {
  ui.Pump();
  ui.Counter(StatusChannel::NcCounter, records);
}

// The record loop; false when a number could not be read (the message is shown).
bool TranslateRecords(Ui& ui, ClStream& cl, PostState& state, RecordWriter& writer, PostResult& result) {
  ClRecord rec;
  for (;;) {
    ClRead read = cl.Next(rec);
    if (read == ClRead::BadNumber) {
      ui.Warn(cl.BadNumberText());
      return false;
    }
    if (read == ClRead::End) return true;
    if (++result.records % CounterEvery == 0) Counter(ui, result.records);
    if (rec.code == ClRotaryRadius) {
      state.rotaryRadius = rec.R;
    } else if (rec.code == ClText) {
      writer.Text(state.out, rec.text);
    } else if (rec.code == ClResetHome) {
      state.ForgetPosition();
    } else {
      PostMove mv = MoveOf(rec, state);
      state.angleWritten = false;
      if (writer.Record(mv)) state.EndRecord(mv);
    }
  }
}

}  // namespace

std::unique_ptr<RecordWriter> MakeRecordWriter(PostState& state) {
  switch (state.m.MTYPE) {
    case MachMill:
    case MachLathe:
    case MachBendix: return std::make_unique<GcodeWriter>(state);
    case MachDxf: return std::make_unique<DxfWriter>(state);
    case MachEzTrack: return std::make_unique<EzTrackWriter>(state);
    default: return std::make_unique<PrintWriter>(state);
  }
}

PostResult TranslateClFile(Ui& ui, const std::string& clFile, const std::string& ncFile, const PostJob& job) {
  PostResult result;
  result.rotaryRadius = job.params.rotaryRadius;
  ClStream cl(clFile);
  if (!cl.IsOpen()) {
    ui.Warn(cl.AccessErrorText());
    return result;
  }
  const std::string creationError = "NC File creation error [" + ncFile + "]";
  if (ncFile.empty()) {
    ui.Warn(creationError);
    return result;
  }
  NcOutput out(ncFile);
  if (!out.IsOpen()) {
    ui.Warn(creationError);
    return result;
  }
  const MachineDefinition& m = job.machine;
  out.numbered = m.SEQOUT;
  out.dollar = m.MTYPE == MachBendix;
  out.sequence = out.step = m.STARTSEQ;
  PostState state(m, job.params, out);
  std::unique_ptr<RecordWriter> writer = MakeRecordWriter(state);
  ExpandMacro(ui, job.startup, out);
  writer->Header();
  bool read = TranslateRecords(ui, cl, state, *writer, result);
  Counter(ui, result.records);
  result.rotaryRadius = state.rotaryRadius;
  if (!read) return result;
  writer->Closing();
  ExpandMacro(ui, job.shutdown, out);
  result.ok = out.Commit();
  result.blocks = out.Lines();
  if (!result.ok) ui.Warn("NC File write error [" + ncFile + "]");
  return result;
}

}  // namespace quill
