// The font decompiler: compiled engraving font (.QXF) back to font source (.QXS).
#pragma once

#include <string>

namespace quill {

class Ui;

// Rewrites sourcePath from the font.  Records outside a character are skipped.  A curve block comes back
// as its points, each a spline node, so compiling the source again gives a curve through those points
// rather than the original nodes.  False (with a message) when a file cannot be read or written.
bool DecompileFont(Ui& ui, const std::string& fontPath, const std::string& sourcePath);

}  // namespace quill
