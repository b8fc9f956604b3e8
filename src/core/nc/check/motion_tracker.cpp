#include "nc/check/program_read.h"

namespace quill {

void MotionTracker::Move(const Motion& m, ProgramRead& out) {
  NcMove mv;
  mv.line = m.line;
  mv.block = m.text;
  mv.kind = m.kind;
  mv.end = pos_;
  for (int i = 0; i < AxisCount; ++i) {
    const Axis& a = axes_.Axes()[i];
    if (m.words[i]) {
      const bool step = m.incremental && a.incremental;
      mv.end.v[i] = step ? (pos_.known[i] ? pos_.v[i] : 0.0) + *m.words[i] : *m.words[i];
      mv.end.known[i] = true;
      if (step) ++steps_[i];
    }
    mv.tolerance[i] = a.tolerance * static_cast<double>(1 + steps_[i]);
  }
  std::string problem;
  if ((mv.kind == MoveArcCw || mv.kind == MoveArcCcw) && m.arc && !arcs_.Centre(mv, pos_, *m.arc, problem)) {
    out.findings.push_back({FindingKind::ArcRadius, m.line, m.text, problem});
  }
  if (mv.kind != MoveRapid && (!m.feed || *m.feed <= 0)) {
    out.findings.push_back({FindingKind::ZeroFeed, m.line, m.text,
                            m.feed ? "a cutting move at a feed of 0" : "a cutting move before any feed is set"});
  }
  ++out.moves;
  sink_(mv);
  pos_ = mv.end;
}

}  // namespace quill
