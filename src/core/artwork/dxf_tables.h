// The passes over a drawing before its entities: the version, the layer table and the blocks.
#pragma once

#include <initializer_list>
#include <string>

namespace quill {

struct DxfReader;

// The value of "$ACADVER" as the status shows it ("Rev 2000" ...); without one, reading starts again at
// the top.
void ReadDxfVersion(DxfReader& r);
// The LAYER table into the layer table; the 257th layer is not kept.
void ReadDxfLayers(DxfReader& r);
// The BLOCKS section into the block table; false when it held more than 350 blocks.
bool ReadDxfBlocks(DxfReader& r);

// A name looked for: the value of a group of that code (a section's name is a code 2 value, an end of
// section a code 0 value), blanks at its end aside.
struct DxfWord {
  int code;
  const char* word;
};

// Reads groups up to one of the words and returns that word; null at the end of the text.
const char* SeekDxfWord(DxfReader& r, std::initializer_list<DxfWord> words);

}  // namespace quill
