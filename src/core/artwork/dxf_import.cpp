#include "artwork/dxf_import.h"

#include "artwork/dxf_scratch.h"
#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "artwork/tmg_import.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

ImportResult ImportDxf(Job& job, const std::string& fileName, bool silent, DxfImportOptions& options,
                       const DxfImportWindows& windows) {
  if (!silent && windows.options && !windows.options(options)) return {ImportResult::Cancelled};
  DxfConversion how;
  how.arcFit = options.Barcs;
  how.tolerance = TextToDouble(job.ui, options.CUTTOL);
  BusyScope busy(job.ui);
  UiDxfStatus uiStatus(job.ui);
  DxfStatus& status = windows.status ? *windows.status : uiStatus;
  ScratchFolder scratch;
  std::string tmg = scratch.File("DXFTMP.TMG");
  int code = tmg.empty() ? DxfCannotCreate : DxfToTmg(job, fileName, tmg, how, status);
  if (code != DxfDone && code != DxfTooManyBlocks) {
    return {code == DxfCannotOpen ? ImportResult::InputUnreadable : ImportResult::NotConverted, 0, code};
  }
  ImportResult result = ImportTmg(job, tmg, options.CBReplace);
  result.dxfCode = code;
  return result;
}

}  // namespace quill
