#include "artwork/dxf_import.h"

#include "artwork/dxf_scratch.h"
#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "artwork/tmg_import.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

namespace {

// Passes the status on and keeps how many texts the drawing had engraved: only then is the text path
// the drawing's to turn into artwork.
class TextTally : public DxfStatus {
 public:
  explicit TextTally(DxfStatus& shown) : shown_(shown) {}
  void Begin(const std::string& fileName) override { shown_.Begin(fileName); }
  void Version(const std::string& shown) override { shown_.Version(shown); }
  void Operation(const std::string& text) override { shown_.Operation(text); }
  void Message(const std::string& text) override { shown_.Message(text); }
  void Counter(DxfCounter which, long value) override {
    if (which == DxfCounter::Text) texts = value;
    shown_.Counter(which, value);
  }
  void Finished() override { shown_.Finished(); }

  long texts = 0;

 private:
  DxfStatus& shown_;
};

}  // namespace

ImportResult ImportDxf(Job& job, const std::string& fileName, bool silent, DxfImportOptions& options,
                       const DxfImportWindows& windows) {
  if (!silent && windows.options && !windows.options(options)) return {ImportResult::Cancelled};
  DxfConversion how;
  how.arcFit = options.Barcs;
  how.tolerance = TextToDouble(job.ui, options.CUTTOL);
  BusyScope busy(job.ui);
  UiDxfStatus uiStatus(job.ui);
  TextTally status(windows.status ? *windows.status : uiStatus);
  ScratchFolder scratch;
  std::string tmg = scratch.File("DXFTMP.TMG");
  int code = tmg.empty() ? DxfCannotCreate : DxfToTmg(job, fileName, tmg, how, status);
  if (code == DxfCancelled) return {ImportResult::Cancelled, 0, code};
  if (code != DxfDone && code != DxfTooManyBlocks) {
    return {code == DxfCannotOpen ? ImportResult::InputUnreadable : ImportResult::NotConverted, 0, code};
  }
  ImportResult result = ImportTmg(job, tmg, options.CBReplace);
  result.dxfCode = code;
  result.texts = status.texts;
  return result;
}

}  // namespace quill
