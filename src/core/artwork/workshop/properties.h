// Edit > Properties: the "Edit Entity Properties" window's fields for the first selected entity, and
// the edited values put back into it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quill {

class Ui;
class WorkshopDocument;

struct PropertyField {
  std::string caption;  // "-X- Start", "Radius" ...
  std::string text;     // the number with 15 decimals; angles in degrees
};

struct EntityProperties {
  uint8_t kind = 0;                      // the entity's kind; it is never changed
  std::vector<PropertyField> fields;     // point 2, line 4, arc 5
  bool ccw = true;                       // arcs: "Counter Clockwise"
  std::vector<std::string> information;  // "Length    :  " ..., and the line's or arc's angle
};

// The fields of the first selected entity; false when nothing is selected.  A point's length is shown
// as 0.
bool SelectedProperties(Ui& ui, const WorkshopDocument& doc, EntityProperties& props);

// OK of the window: the first selected entity takes the edited values (Z 0, kind unchanged), one step
// of Undo.  A field that is no number is reported ("Integer/Double String Conversion Error") and an arc
// without a positive radius is refused; either leaves the entity as it was (false).
bool ApplyProperties(Ui& ui, WorkshopDocument& doc, const EntityProperties& props);

}  // namespace quill
