// The words a spelling check looks at in the 8-bit text to engrave: runs of letters, with apostrophes
// inside them ("don't"); runs that hold a digit (serial numbers, part codes) are passed over.
#pragma once

#include <optional>
#include <string>

namespace quill {

struct WordSpan {
  size_t start = 0;
  size_t length = 0;
};

// The first word that starts at or after `from`.
std::optional<WordSpan> NextWord(const std::string& text, size_t from);

}  // namespace quill
