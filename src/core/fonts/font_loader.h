// One character of the engraving font appended to the line being built, as text path records.
#pragma once

#include "fonts/compiled_font.h"

namespace quill {

class Ui;
class TextPathWriter;

// The running extent of the character being loaded, over the end points of its moves and lines; the
// layout measures the letter H with it.
struct CharExtent {
  double XMin = 1000, YMin = 1000, XMax = -1000, YMax = -1000;
  void Reset() { *this = CharExtent(); }
  void Add(double x, double y);
};

// Echoes the character on the text path console and appends its records to `out`, widened to the text
// path record: kind 0, the box, the drawing, kind 7.  The space is built here, spaceWidth wide, and never
// read from the font.  A character ends at its kind 7, where the next one starts or at the end of the
// file.  Curve blocks come out whole: the count of kinds 9 and 10 is the number of points that follow.
// False when the font lacks the character.
bool LoadFontCharacter(Ui& ui, CompiledFont& font, unsigned char code, double spaceWidth, TextPathWriter& out,
                       CharExtent& extent);

}  // namespace quill
