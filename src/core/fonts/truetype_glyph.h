// A TrueType character as text path records: the native outline walked contour by contour into moves,
// lines and ten-point curve blocks, closed contours, and the character's box.
#pragma once

#include <cstdint>
#include <vector>

#include "fonts/font_loader.h"
#include "records/textpath_record.h"

namespace quill {

class Ui;
class TrueTypeFace;

// Outline units (an em of 48) to layout units, and the width a glyph without outline advances by.
struct GlyphScale {
  double width = 1;   // WidthScale
  double height = 1;  // HeightScale
  double space = 0;   // SpaceWidth
};

// Turns one native outline buffer into records (kind 0 to kind 7).  False when the buffer is damaged.
bool WalkNativeOutline(const std::vector<uint8_t>& buffer, unsigned char code, const GlyphScale& scale,
                       std::vector<TextPathRecord>& out, CharExtent& extent);

// The records of a character without an outline: it advances like a space.
void SpaceRecords(unsigned char code, double width, std::vector<TextPathRecord>& out);

// Appends the character to the line file; echoes it on the console.  False (after the "Character
// Buffer Size Mismatch" message) when its outline cannot be read: the generation stops.
bool LoadGlyphOutline(Ui& ui, const TrueTypeFace& face, unsigned char code, const GlyphScale& scale,
                      TextPathWriter& out, CharExtent& extent);

}  // namespace quill
