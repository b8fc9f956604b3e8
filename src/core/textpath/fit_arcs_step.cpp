#include "textpath/fit_arcs_step.h"

#include <vector>

#include "ui/ui.h"

namespace quill {

void FitLineArcs(Ui& ui, LineWork& line, ArcFitWorkFile& work, double tolerance) {
  bool inBlock = false;
  std::vector<CurvePoint> points;
  long records = 0;
  work.StartLine();
  line.Transform([&](const TextPathRecord& rec, TextPathWriter& out) {
    if (rec.kind == TpCurveStart) {
      inBlock = true;
      points.clear();
    } else if (rec.kind == TpCurveEnd && inBlock) {
      inBlock = false;
      if (!points.empty()) work.FitInto(points, tolerance, out);
    } else if (inBlock && rec.kind == TpLine) {
      points.push_back({rec.X, rec.Y});
    } else if (rec.kind != TpCurveEnd) {
      out.Write(rec);
    }
    if (++records % 512 == 0) ui.Pump();
  });
}

}  // namespace quill
