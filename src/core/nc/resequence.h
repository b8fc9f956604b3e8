// Renumbering the blocks of an NC program: the NC editor's "RE/UN-Sequence Block Numbers".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quill {

struct ResequenceOptions {
  int start = 10;                           // "Start Number"
  int increment = 10;                       // "Number Increment"
  int maxDigits = 4;                        // "Max number of Digits": a longer number restarts at the increment
  std::string skipChars = "<(%=$#OE\\^@:";  // lines starting with one of these keep their text
  bool removeAll = false;                   // "Remove ALL Sequence Numbers"
  bool leadingZeros = false;                // "Use Leading Zeros"
  bool oBlocks = false;                     // "Resequence "O" Blocks"
};

// The dialog's three number fields as typed; on a field that is not a whole number, or a negative start
// or increment, returns nothing and sets error to the message shown instead (no line is then changed).
std::optional<ResequenceOptions> ResequenceOptionsFromFields(const std::string& start, const std::string& increment,
                                                             const std::string& maxDigits, std::string& error);

// Renumbers (or un-numbers) every line in place, first to last.
void ResequenceLines(std::vector<std::string>& lines, const ResequenceOptions& options);

}  // namespace quill
