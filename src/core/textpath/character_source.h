// Where the layout gets its characters: the engraving font or an installed TrueType face.  Both append
// the same records to the line file.
#pragma once

#include <memory>
#include <string>

#include "fonts/truetype_glyph.h"

namespace quill {

class Job;

class CharacterSource {
 public:
  virtual ~CharacterSource() = default;
  // Appends the character to the line file and widens extent by its move and line end points.
  virtual bool Load(unsigned char code, TextPathWriter& line, CharExtent& extent) = 0;
  // Outline units to layout units and the width of the space (the layout sets these after the H).
  virtual void SetScale(const GlyphScale& scale) = 0;
};

// The source the settings ask for; nothing (after its message) when it cannot be used.
std::unique_ptr<CharacterSource> OpenCharacterSource(Job& job);

// The engraving font named by the settings; nothing after "Font File [...] Does not exist".
std::unique_ptr<CharacterSource> OpenEngravingFontSource(Job& job);

}  // namespace quill
