// DXF drawings flattened into the TMG geometry file: blocks inserted with their transforms, polylines and
// curves turned into lines and arcs, faces into outlines.  Texts are engraved through the text path.
#pragma once

#include <string>

namespace quill {

class Job;
class DxfStatus;

// Result codes of the conversion.
enum DxfCode : int {
  DxfDone = 0,
  DxfCannotOpen = 1,     // the drawing cannot be read
  DxfCannotCreate = 2,   // the TMG file cannot be written
  DxfTooManyBlocks = 3,  // converted without the blocks beyond the 350th
  DxfBinary = 4,         // binary DXF is not read
  DxfCancelled = 5,      // the operator cancelled: no TMG to import, the text path as it was
};

struct DxfConversion {
  std::string layers = "*";  // "*" every layer, else the one layer of that number
  bool arcFit = false;       // curves as tangent arcs rather than lines
  double tolerance = 0.005;  // the arc fitter's tolerance and the curves' sampling step
  // Blocks inserted many times, or inserting blocks themselves, multiply what they hold; past this many
  // entities read in blocks and records written from them, further inserts are left out, so no small
  // drawing can keep the import busy for hours or fill the disk.
  long maxBlockWork = 1'000'000;
};

int DxfToTmg(Job& job, const std::string& dxfName, const std::string& tmgName, const DxfConversion& how,
             DxfStatus& status);

}  // namespace quill
