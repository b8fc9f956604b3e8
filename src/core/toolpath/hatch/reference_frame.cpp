#include "toolpath/hatch/reference_frame.h"

#include "job/job.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

std::string FourDecimals(const std::string& text) {
  return FormatFixed(StrictToDouble(text).value_or(0.0), 4);
}

}  // namespace

ReferenceFrameFields ReferenceFrameDialogFields(const Job& job) {
  const EngravingSettings& s = job.settings;
  return {job.flags.RefFrameOn, FourDecimals(s.RFX), FourDecimals(s.RFY), FourDecimals(s.RFXX),
          FourDecimals(s.RFYY)};
}

void StoreReferenceFrame(Job& job, const ReferenceFrameFields& fields) {
  EngravingSettings& s = job.settings;
  s.RFX = fields.x, s.RFY = fields.y, s.RFXX = fields.width, s.RFYY = fields.height;
  job.flags.RefFrameOn = fields.enabled;
  job.flags.ProjectModified = true;
}

}  // namespace quill
