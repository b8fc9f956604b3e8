// An engraving font opened for laying out text: one pass over the file notes where each character code
// first starts, so every later character is found without reading the font from its start again.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "fonts/font_record.h"

namespace quill {

class Ui;
struct JobPaths;

class CompiledFont {
 public:
  // False when the file cannot be read.
  bool Open(const std::string& path);
  bool IsOpen() const { return reader_ && reader_->IsOpen(); }
  // The first character of the file with this code (codes are 8-bit).
  bool Has(unsigned char code) const { return first_[code] >= 0; }
  // Positions the reader on the character's start record; false when the font lacks the character.
  bool SeekCharacter(unsigned char code);
  FontReader& Reader() { return *reader_; }

 private:
  std::unique_ptr<FontReader> reader_;
  std::array<long, 256> first_{};
};

// Opens the job's engraving font (the home's copy first, then the installed one).  When it is missing
// the operator is told "Font File [name] Does not exist" and false comes back.
bool OpenEngravingFont(Ui& ui, const JobPaths& paths, CompiledFont& font);

}  // namespace quill
