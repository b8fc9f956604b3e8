// The serial-number run: one number after the other engraved into one cutter-location file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolpath/toolpath_options.h"
#include "toolpath/toolpath_pass.h"

namespace quill {

class Job;

// The serial-number dialog's choices that the project does not keep.
struct SerialRunOptions {
  bool updateEndNumber = true;                     // "Update End Number Automatically"
  bool insertComment = true;                       // "Insert Serial Number Comment"
  std::vector<std::string> betweenNumbers{"M00"};  // "NC-Code To Add Between Numbers:"
};

// Makes the text path of the editor's text, as the text path window's Generate does; false when no
// text path came of it (the generator has said why).
using TextPathGenerator = std::function<bool(Job&)>;

// The program's own generator: the text path window's Generate without keeping existing text.
bool GenerateSerialTextPath(Job& job);

// n in decimal; with PadSpaces or PadZeros filled in front to at least width characters, the fill
// going before a minus sign (-5 in four zeros is "00-5").
std::string SerialNumberText(long long n, int width, int padding);

// Runs SNUMSTART to SNUMEND by SNUMINC (when the end is not above the start: the start and one more):
// per number the editor text becomes prefix + number + suffix, an optional "900 (...)" comment, the
// text path, the tool path appended, "901 Reset Home" and the between-numbers lines; "-999" closes
// the file.  With updateEndNumber, SNUMSTART becomes the number after the last one engraved.  False when
// the numbers are refused or a stage failed (the file is closed and ToolPathCreated left clear).
bool RunSerialNumbers(Job& job, const SerialRunOptions& run, const ToolPathOptions& toolPath,
                      const TextPathGenerator& generateTextPath, const ToolPathPlugins& plugins = {});

}  // namespace quill
