#include "artwork/workshop/symbol.h"

#include "artwork/dxf_import.h"
#include "artwork/dxf_scratch.h"
#include "artwork/dxf_to_tmg.h"
#include "artwork/import_result.h"
#include "artwork/workshop/document.h"
#include "artwork/workshop/edit_commands.h"
#include "job/job.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "records/tmg_record.h"
#include "ui/ui.h"

namespace quill {

namespace {

void ReadTmg(const std::string& tmg, std::vector<tgEntity>& symbol) {
  TmgReader in(tmg);
  TmgRecord r;
  tgEntity e;
  while (in.Next(r)) {
    if (r.kind == TmgLine) {
      e.SetLine(r.r[0], r.r[1], 0, r.r[3], r.r[4], 0);
    } else if (r.kind == TmgArc && r.r[2] > 0) {
      e.SetArc(r.r[0], r.r[1], 0, r.r[2], r.r[5] * DegToRad, r.r[6] * DegToRad);
      e.SetCCW(true);
    } else {
      continue;
    }
    symbol.push_back(e);
  }
}

}  // namespace

bool ReadDxfSymbol(Job& job, const std::string& fileName, const DxfImportOptions& options, DxfStatus& status,
                   std::vector<tgEntity>& symbol) {
  DxfConversion how;
  how.arcFit = options.Barcs;
  how.tolerance = TextToDouble(job.ui, options.CUTTOL);
  BusyScope busy(job.ui);
  ScratchFolder scratch;
  std::string tmg = scratch.File("DXFTMP.TMG");
  int code = DxfCannotOpen;
  if (ReadableFile(fileName)) code = tmg.empty() ? DxfCannotCreate : DxfToTmg(job, fileName, tmg, how, status);
  if (code != DxfDone && code != DxfTooManyBlocks) {
    job.ui.Warn("DXF Symbol Could Not be Imported [" + fileName + "]");
    return false;
  }
  std::vector<tgEntity> read;
  ReadTmg(tmg, read);
  symbol = std::move(read);
  return true;
}

bool PlaceSymbol(Ui& ui, WorkshopDocument& doc, std::vector<tgEntity> symbol, const SymbolPlacement& at) {
  if (symbol.empty()) return false;
  for (tgEntity& e : symbol) {
    if (!ScaleEntity(ui, e, 0, 0, at.scale)) return false;
    e.Rotate(ui, 0, 0, at.degrees * DegToRad);
    e.Move(ui, at.x, at.y, 0);
  }
  doc.Append(std::move(symbol), "DXF Symbol");
  return true;
}

}  // namespace quill
