// The converters of the entities a drawing may hold.  Each is called with the entity's name just read;
// it reads the entity's groups, writes what the entity becomes and leaves in name the name of what
// follows.  False when the text at the current depth ended instead.
#pragma once

#include <string>

namespace quill {

struct DxfReader;

bool ConvertPoint(DxfReader& r, std::string& name);
bool ConvertLine(DxfReader& r, std::string& name);   // LINE, 3DLINE
bool ConvertFace(DxfReader& r, std::string& name);   // 3DFACE
bool ConvertSolid(DxfReader& r, std::string& name);  // SOLID, TRACE: corners 3 and 4 cross over
bool ConvertArc(DxfReader& r, std::string& name);    // ARC, CIRCLE
bool ConvertInsert(DxfReader& r, std::string& name);
bool ConvertDimension(DxfReader& r, std::string& name);
bool ConvertPolyline(DxfReader& r, std::string& name);  // POLYLINE with its VERTEX entities and SEQEND
bool ConvertLwPolyline(DxfReader& r, std::string& name);
bool ConvertSpline(DxfReader& r, std::string& name);
bool ConvertText(DxfReader& r, std::string& name);

// Any other entity: passed over.
bool SkipEntity(DxfReader& r, std::string& name);

}  // namespace quill
