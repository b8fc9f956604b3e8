// Using a macro: every "#" asks the operator for the value of the register named by the character
// before it; a leading "|" keeps the post-processor from numbering the line.
#pragma once

#include <string>
#include <vector>

namespace quill {

class NcOutput;
class Ui;

// Fills in the "#" register prompts of a macro's lines.  The character before a "#" (or the answer
// that replaced the one before) names the register, also across line ends.
class RegisterPrompts {
 public:
  explicit RegisterPrompts(Ui& ui) : ui_(ui) {}
  std::string Fill(const std::string& line);

 private:
  std::string Ask();
  Ui& ui_;
  std::string previous_;
};

// The post-processor's expansion into the NC file: "|" lines are written without it and unnumbered,
// the others numbered (never with "$").  Nobody at the screen: every register takes "0".
void ExpandMacro(Ui& ui, const std::vector<std::string>& lines, NcOutput& out);

// The NC editor's insertion: every line filled in, "|" kept, each followed by a line break.
std::string MacroInsertText(Ui& ui, const std::vector<std::string>& lines);

}  // namespace quill
