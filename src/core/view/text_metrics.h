// Widths of text in the view's face (Arial, metric-compatible with Liberation Sans) for surfaces that
// have no font engine of their own: the metafile and the recording surface.
#pragma once

#include <string>

namespace quill {

// Height of the em square for a character cell cellPixels high (ascent plus descent).
double EmForCell(double cellPixels);
// Pixels of one character cell height for a font size: size > 0 points at dpi, size < 0 the cell itself.
double CellPixels(int size, int dpi);
// Width in pixels of text set in a cell cellPixels high; bytes outside printable ASCII count as "x".
int ArialTextWidth(const std::string& text, double cellPixels);

}  // namespace quill
