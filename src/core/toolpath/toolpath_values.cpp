#include "toolpath/toolpath_values.h"

#include "job/settings.h"
#include "mathlib/number_text.h"

namespace quill {

ToolPathValues ReadToolPathValues(Ui& ui, const EngravingSettings& s) {
  ToolPathValues v;
  v.ZCLEAR = TextToDouble(ui, s.ZCLEAR);
  v.ZDEPTH = TextToDouble(ui, s.ZDEPTH);
  v.CFEED = TextToDouble(ui, s.CFEED);
  v.ZFEED = TextToDouble(ui, s.ZFEED);
  v.TOOLDIA = TextToDouble(ui, s.TOOLDIA);
  v.TLCR = TextToDouble(ui, s.TLCR);
  v.ROTRAD = TextToDouble(ui, s.ROTRAD);
  v.ZPERPASS = TextToDouble(ui, s.ZPERPASS);
  v.ZTOP = TextToDouble(ui, s.ZTOP);
  return v;
}

}  // namespace quill
