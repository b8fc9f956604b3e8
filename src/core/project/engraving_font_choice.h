// Choosing the engraving font in the settings: the job keeps only the font's file name and finds the
// file in the program's folder or among the installed fonts, so a font picked anywhere else is copied
// into the program's folder first.
#pragma once

#include <string>

namespace quill {

class Job;
struct JobPaths;

// The folder the font chooser opens in: where the current font is found.
std::string EngravingFontFolder(const JobPaths& paths);

// Makes the chosen file the engraving font.  False (after saying why) when a font of that name that
// is not the chosen file is already in the program's folder, or the copy failed; the font stays as it was.
bool ChooseEngravingFont(Job& job, const std::string& chosenPath);

}  // namespace quill
