#include "toolpath/text_toolpath.h"

#include "job/job.h"
#include "records/cl_record.h"
#include "records/textpath_record.h"
#include "toolpath/cutter.h"
#include "ui/ui.h"

namespace quill {

namespace {

struct TextWalk {
  Cutter cut;
  bool penUp = true;

  void PenDown() {
    if (!penUp) return;
    cut.Plunge();
    penUp = false;
  }

  void Move(const TextPathRecord& r) {
    penUp = true;
    if (!cut.First()) cut.Retract();
    cut.RapidTo(r.X, r.Y);
  }

  void Line(const TextPathRecord& r) {
    if (cut.First()) {
      cut.SetPrevious(r.X, r.Y);
    } else if (!penUp && cut.At(r.X, r.Y)) {
      cut.SetPrevious(r.X, r.Y);  // too short to cut, but the stroke goes on from its end
      return;
    }
    PenDown();
    cut.LineTo(r.X, r.Y);
  }

  void Arc(const TextPathRecord& r) {
    if (cut.First()) cut.SetPrevious(0, 0);  // a text path starts at the origin
    PenDown();
    cut.ArcTo(r.kind == TpArcCw ? ClArcCw : ClArcCcw, r.X, r.Y, r.CX, r.CY);
  }

  void Record(const TextPathRecord& r) {
    switch (r.kind) {
      case TpMove: Move(r); break;
      case TpLine: Line(r); break;
      case TpArcCw:
      case TpArcCcw: Arc(r); break;
      default: break;  // character and line marks, boxes, curve blocks: no geometry of their own
    }
  }
};

}  // namespace

void TextToolPath(Job& job, const ToolPathPass& pass) {
  if (!job.flags.TextPathGenerated) return;
  TextPathReader in(job.paths.TextPathFileName);
  TextWalk walk{Cutter(pass)};
  TextPathRecord r;
  while (in.Next(r)) {
    walk.Record(r);
    job.ui.Pump();
  }
  walk.cut.Finish();
}

}  // namespace quill
