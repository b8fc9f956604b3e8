// Any bytes as an NC program in the NC editor: its lines renumbered and un-numbered with options taken
// from the input, as "RE/UN-Sequence Block Numbers" does.  Every line stays a line, and a renumbered
// block starts with its number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "nc/resequence.h"

namespace {

std::vector<std::string> EditorLines(const uint8_t* data, size_t size) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
      lines.emplace_back();
    } else {
      lines.back() += static_cast<char>(data[i]);
    }
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  if (size < 4) return 0;
  std::string error;
  auto options = ResequenceOptionsFromFields(std::to_string(data[0] * 7 - 20), std::to_string(data[1] % 50),
                                             std::to_string(data[2] % 9), error);
  if (!options) return 0;
  options->leadingZeros = data[3] & 1;
  options->oBlocks = data[3] & 2;
  std::vector<std::string> lines = EditorLines(data + 4, size - 4);
  const std::vector<std::string> typed = lines;
  ResequenceLines(lines, *options);
  if (lines.size() != typed.size()) __builtin_trap();
  for (size_t i = 0; i < lines.size(); ++i) {
    bool kept = typed[i].empty() || options->skipChars.find(typed[i][0]) != std::string::npos;
    if (!kept && lines[i].find_first_of("/HNO") != 0) __builtin_trap();
  }
  options->removeAll = true;
  ResequenceLines(lines, *options);
  if (lines.size() != typed.size()) __builtin_trap();
  return 0;
}
