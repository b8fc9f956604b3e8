// The installed scalable font families, for the settings dialog's chooser.
#pragma once

#include <string>
#include <vector>

namespace quill {

// Family names, sorted and without repeats.
std::vector<std::string> InstalledFontFamilies();

}  // namespace quill
