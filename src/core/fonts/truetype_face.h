// An installed scalable font found by family name and style, read through FreeType at an em of 48
// device units, the size the text layout takes its TrueType outlines at.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quill {

class TrueTypeFace {
 public:
  TrueTypeFace();
  ~TrueTypeFace();
  TrueTypeFace(const TrueTypeFace&) = delete;
  TrueTypeFace& operator=(const TrueTypeFace&) = delete;

  // Finds the face through fontconfig ("Arial" resolves to a metric-compatible face).  When the family
  // has no bold or italic face, the outlines are emboldened or slanted as the desktop would.
  bool Open(const std::string& family, bool bold, bool italic);
  bool IsOpen() const;
  const std::string& FilePath() const { return file_; }

  // The outline of the character with this 8-bit (Windows Latin) code as a native outline buffer:
  // polygon headers and line / quadratic-spline records of 16.16 fixed-point points, Y up.  Empty for a
  // glyph without an outline (the space).  False when the glyph cannot be read.
  bool NativeOutline(unsigned char code, std::vector<uint8_t>& buffer) const;
  // True when the face has a glyph of its own for the character (not the missing-glyph box).
  bool HasCharacter(unsigned char code) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
  std::string file_;
};

// The Unicode character a Windows Latin (code page 1252) code stands for.
uint32_t WindowsLatinToUnicode(unsigned char code);

}  // namespace quill
