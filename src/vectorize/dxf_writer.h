// The traced drawing as an ASCII DXF file (release 12, which every reader takes, the program's own
// DXF import and ezdxf among them): a header with the drawing's extents, a layer for each traced
// colour, and each path as a POLYLINE whose vertices carry the arcs' bulges (a lone point as POINT).
// Numbers have 8 decimals, written the same under any locale.
#pragma once

#include <string>

#include "traced_path.h"

namespace quill::vectorize {

// dosLines: lines end in carriage return and line feed; otherwise in line feed alone.
std::string DxfText(const Tracing& tracing, bool dosLines);

// Replaces the file whole, never leaving half a drawing; false when it cannot be written.
bool WriteDxf(const std::string& path, const Tracing& tracing, bool dosLines);

}  // namespace quill::vectorize
