// File > DXF Export: the drawing as an ASCII DXF file of one ENTITIES section: lines as LINE, arcs as
// ARC (counter-clockwise from the start to the end angle, in degrees) or CIRCLE, on layer 0, numbers
// with 8 decimals.  Points are not written.
#pragma once

#include <string>

namespace quill {

class Ui;
class WorkshopDocument;

enum class ExportScope {
  SelectedOrAll,  // the menu command: the selected entities, every entity when none is selected
  Selected,       // the selected entities only
};

// The DXF text, lines ended by carriage return and line feed; count receives the entities written.
std::string DxfExportText(const WorkshopDocument& doc, ExportScope scope, long* count = nullptr);

// Writes the DXF file (replaced whole, never left half written).  Returns the entities written, or -1
// when the file cannot be written ("DXF File access error" is shown).
long ExportDxf(Ui& ui, const WorkshopDocument& doc, const std::string& fileName, ExportScope scope);

}  // namespace quill
