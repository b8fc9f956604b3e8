// Numbers in the text work files (cutter-location and artwork records) are blank-separated.  A field
// counts only when a blank or the end of the line follows it, so "1.5" is no whole-number code and
// "2x" no real.
#pragma once

#include <optional>
#include <string_view>

namespace quill {

std::optional<long long> ReadIntField(std::string_view& s);
std::optional<double> ReadRealField(std::string_view& s);

}  // namespace quill
