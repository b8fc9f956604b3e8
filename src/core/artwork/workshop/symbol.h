// Insert > DXF Symbol: a DXF drawing converted with the import's options and placed in the drawing at
// the symbol window's insertion point, rotation and scale.
#pragma once

#include <string>
#include <vector>

#include "geometry/entity.h"

namespace quill {

class DxfStatus;
class Job;
class Ui;
class WorkshopDocument;
struct DxfImportOptions;

// The symbol window's values ("Insertion Point -X- :", "Insertion Point -Y- :", "Rotation Angle :" in
// degrees, "Scale Factor :").
struct SymbolPlacement {
  double x = 0, y = 0, degrees = 0, scale = 1;
};

// The symbol's lines and counter-clockwise arcs, converted from the DXF file with the import's
// tolerance and arc fitting (whatever the replace option says).  A file that cannot be converted is
// reported ("DXF Symbol Could Not be Imported") and gives false; the drawing is not touched either way.
bool ReadDxfSymbol(Job& job, const std::string& fileName, const DxfImportOptions& options, DxfStatus& status,
                   std::vector<tgEntity>& symbol);

// The symbol scaled about the origin, turned about it and moved to the insertion point, added as one
// step of Undo.  A scale of 0 places nothing; a negative one turns the symbol half a turn.
bool PlaceSymbol(Ui& ui, WorkshopDocument& doc, std::vector<tgEntity> symbol, const SymbolPlacement& at);

}  // namespace quill
