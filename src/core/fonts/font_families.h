// The installed scalable font families, for the settings dialog's chooser.
#pragma once

#include <string>
#include <vector>

namespace quill {

// Family names, sorted and without repeats.
std::vector<std::string> InstalledFontFamilies();

// The installed family whose face is used for family: the family itself when it is installed, else
// the one fontconfig puts in its place ("Liberation Sans" for "Arial"); empty without any font.
std::string FamilyInUse(const std::string& family);

}  // namespace quill
