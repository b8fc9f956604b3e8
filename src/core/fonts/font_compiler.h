// The font compiler: font source (.QXS) to compiled engraving font (.QXF).
#pragma once

#include <string>

namespace quill {

class Ui;

struct FontCompileResult {
  bool written = false;  // the font file was (re)written
  int errors = 0;        // error boxes shown on the way (splines refused, bad headers)
};

// Rewrites fontPath from the source; a font already there is replaced only once the new one is whole.
FontCompileResult CompileFont(Ui& ui, const std::string& sourcePath, const std::string& fontPath);

}  // namespace quill
