// A drawing may hold anything: the DXF conversion must end, write only TMG records, and leave the Ui as it
// found it.
#include <cstddef>
#include <cstdint>

#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "fuzz_job.h"
#include "records/tmg_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  std::string dxf = fuzz::InputFile("FUZZ.DXF", data, size);
  std::string tmg = fuzz::Home().File("DXFTMP.TMG");
  fuzz::FuzzJob f;
  UiDxfStatus status(f.ui);
  DxfConversion how;
  how.arcFit = size % 2 == 1;
  how.tolerance = 0.05;  // fewer samples a curve: more inputs a second
  int code = DxfToTmg(f.job, dxf, tmg, how, status);
  if (code < DxfDone || code > DxfBinary || f.ui.busyDepth != 0) __builtin_trap();
  if (code == DxfDone || code == DxfTooManyBlocks) {
    LineReader lines(tmg);
    std::string line;
    TmgRecord rec;
    bool ended = false;
    while (lines.Next(line)) {
      if (!ParseTmgRecord(line, rec) || ended) __builtin_trap();
      ended = rec.kind == TmgEnd;
    }
    if (!ended) __builtin_trap();
  }
  return 0;
}
