// What the text editor does with the text to engrave apart from its widgets: the Tools menu's case
// changes, reversal and character set, find and replace over 8-bit text, its files and its messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quill {

// "&Uppercase All", "&Lowercase All": letters a-z and A-Z only.  "&Reverse Order": each line backwards.
void UpperCaseLines(std::vector<std::string>& lines);
void LowerCaseLines(std::vector<std::string>& lines);
void ReverseLines(std::vector<std::string>& lines);

// "&Character Set": the 223 characters with codes 33 to 255, in code order.
std::string CharacterSetText();

struct FindOptions {
  bool down = true;
  bool matchCase = false;
  bool wholeWord = false;  // only where no word character stands right before or after
};

// Where `what` next occurs in text: downwards from the selection's end, or upwards ending before the
// selection's start.  Case folding follows the 8-bit upper-case mapping.
std::optional<size_t> FindText(const std::string& text, const std::string& what, size_t selStart, size_t selEnd,
                               const FindOptions& options);

// True when the selected text is `what`, without regard to case (Replace replaces it then).
bool SelectionMatches(const std::string& selected, const std::string& what);

// "Replace All" from the selection downwards: the selection when it matches, then every following
// occurrence.  Returns the new text and how many were replaced.
struct ReplaceAllResult {
  std::string text;
  int replaced = 0;
};
ReplaceAllResult ReplaceAllText(const std::string& text, const std::string& what, const std::string& with,
                                size_t selStart, size_t selEnd, const FindOptions& options);

// Cannot find "what".
std::string NotFoundMessage(const std::string& what);
// The question when the editor is closed with unsaved changes.
std::string ModifiedQuestion(const std::string& fileName);
// "Text to Engrave - [Untitled]" or "Text to Engrave - " and the name without its folder.
std::string EditorCaption(const std::string& fileName);

// The editor's own text files (8-bit, lines ended by carriage return and line feed).
bool ReadTextFile(const std::string& path, std::vector<std::string>& lines);
bool WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace quill
