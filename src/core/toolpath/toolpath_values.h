// The tool path dialog's numbers, read from their settings when a run starts.
#pragma once

namespace quill {

class Ui;
struct EngravingSettings;

struct ToolPathValues {
  double ZDEPTH = 0, ZCLEAR = 0, ZPERPASS = 0, ZTOP = 0;
  double CFEED = 0, ZFEED = 0;
  double TOOLDIA = 0, TLCR = 0, ROTRAD = 0;
};

// A field whose text is not a number warns and counts as 0.
ToolPathValues ReadToolPathValues(Ui& ui, const EngravingSettings& s);

}  // namespace quill
