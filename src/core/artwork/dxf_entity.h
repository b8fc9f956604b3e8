// The values of one DXF entity, gathered from its groups.  Reset before every entity: all zero except the
// extrusion's Z (1) and the radius or height of code 40 (0.25).
#pragma once

#include <string>

#include "artwork/dxf_sources.h"
#include "artwork/dxf_transform.h"

namespace quill {

class DxfLayerTable;

struct DxfEntity {
  std::string text;                  // 1
  std::string name;                  // 2: the block of an INSERT or DIMENSION
  int layerIndex = 0;                // 8, as the layer table's entry
  int layer = 0;                     // 8, as the number written out
  DxfPoint p[4];                     // 10/20/30 to 13/23/33
  bool hasFourth = false;            // a 13, 23 or 33 was read
  double r40 = 0.25;                 // radius or text height
  double s41 = 0, s42 = 0, s43 = 0;  // insert scales; 42 is also a vertex's bulge
  double a50 = 0, a51 = 0;           // angles, radians
  double colour = 0;                 // 62
  bool hasColour = false;
  int flags = 0;                // 70
  int justify = 0;              // 72
  int curveType = 0;            // 75
  DxfPoint extrusion{0, 0, 1};  // 210/220/230

  void Reset();
  // Takes one group; returns false for a code this record does not keep.
  bool Apply(const DxfGroup& g, const DxfLayerTable& layers);
  // The colour written out: the layer's when the entity names none, then mapped to the program's colours.
  int TmgColour(const DxfLayerTable& layers) const;
  // Flat in the drawing plane, seen from above or from below.
  bool AlongZ() const;
  // Seen from below: X runs the other way.
  bool Mirrored() const;
};

// A group's value as a real: anything that is not a number, or beyond 3.4e38, is 0.
double GroupReal(const std::string& value);

// The colour numbers of drawings mapped to the program's own colours (numbers above 16 stay).
int MapDxfColour(double colour);

// Resets e and reads the current entity's groups into it up to the next code 0, whose value (the next name) goes to
// name.  False when the text at this depth ended first.
bool ReadEntity(DxfSources& in, const DxfLayerTable& layers, DxfEntity& e, std::string& name);

}  // namespace quill
