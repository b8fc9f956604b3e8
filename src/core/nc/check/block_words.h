// One line of a G-code program split into its words, as a control reads it: the sequence number, the
// comments in parentheses or after ";", and a Bendix block's "$" left out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nc/check/axis_map.h"

namespace quill {

struct BlockWord {
  char letter = 0;
  std::string body;  // the number as written: sign, digits, maybe a point
};

struct BlockWords {
  std::vector<BlockWord> words;
  bool linearMark = false;  // a Bendix "(1)": the linear motion code
  std::string error;        // what could not be read; empty when the whole line was
};

// Splits a line.  bendix: "$" ends the block and "(1)" is the linear code rather than a comment.
BlockWords SplitBlock(const std::string& line, bool bendix);

// The value of a number word written in a machine's format: with a point it is read as it stands;
// without one, format 2 has its whole part in the first `left` digits, formats 3 and 4 have `right`
// decimals, format 1 is a whole number.
std::optional<double> DecodeWord(const std::string& body, const WordFormat& format);

}  // namespace quill
