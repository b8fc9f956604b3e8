#include "toolpath/carve/carve_setup.h"

#include <cmath>

#include "job/job.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "mathlib/tolerance.h"
#include "records/textpath_record.h"
#include "toolpath/toolpath_values.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr double kSmallText = 0.25;
constexpr double kFineTangency = 5e-06;

double TextHeight(const Job& job) {
  return StrictToDouble(job.settings.TEXTHIGH).value_or(0.0);
}

// What the text path holds that carving refuses: an arc, or more outline pieces than a run may write.
const char* ScanTextPath(Job& job, double step) {
  TextPathReader in(job.paths.TextPathFileName);
  TextPathRecord r;
  double x = 0, y = 0, pieces = 0;
  while (in.Next(r)) {
    if (r.kind == TpArcCw || r.kind == TpArcCcw) return "Arc found, Cannot \"Carve\" Text, Change \"Curves\" setting";
    if (r.kind == TpLine) pieces += std::ceil(std::hypot(r.X - x, r.Y - y) / step) + 1;
    if (r.kind == TpMove || r.kind == TpLine) x = r.X, y = r.Y;
  }
  if (!(pieces <= static_cast<double>(MostCarvingRecords))) return "3D Carving Would Write More Than 10000000 Records";
  return nullptr;
}

const char* Refusal(Job& job, const ToolPathValues& v) {
  if (job.settings.TSHAPE != ShapeCone) return "3D Carving Works With Cone Shaped Tools Only";
  if (!(TextHeight(job) > 0)) return "Text Height cannot be Zero";
  if (!(v.TLCR > 0 && v.TLCR < 180)) return "Tool Tip Angle Must be Between 0 and 180 Degrees";
  if (!(v.TOOLDIA > 0)) return "Tool Diameter Cannot be Zero";
  if (!job.flags.TextPathGenerated) return nullptr;
  return ScanTextPath(job, ReadCarveSetup(job, v).step);
}

}  // namespace

CarveSetup ReadCarveSetup(Job& job, const ToolPathValues& values) {
  CarveSetup s;
  double height = TextHeight(job);
  bool small = height < kSmallText;
  s.step = small ? height / 50 : height / 100;
  s.tangency = small ? kFineTangency : TangencyTolerance;
  s.side = job.settings.MIRROR ? 1 : -1;
  s.toolDiameter = values.TOOLDIA;
  s.halfTipAngle = values.TLCR * DegToRad / 2;
  return s;
}

bool CheckCarving(Job& job, const ToolPathValues& values) {
  const char* refusal = Refusal(job, values);
  if (refusal) job.ui.Error(refusal);
  return !refusal;
}

}  // namespace quill
