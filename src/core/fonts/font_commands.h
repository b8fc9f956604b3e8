// What the main window's "&Compile Font" and "&De-Compile Font" commands offer in their file choosers.
#pragma once

#include <string>

namespace quill {

inline constexpr const char* FontSourceFilter = "Font Source (*.QXS)|*.QXS";
inline constexpr const char* FontSourceExtension = "QXS";
inline constexpr const char* CompiledFontFilter = "Quillmark Fonts|*.QXF";
inline constexpr const char* CompiledFontExtension = "QXF";

// The output name proposed for a chosen file: its name without the folder, the last character replaced
// ("F" for the font compiled from a source, "S" for the source of a font).  Empty for an empty name.
std::string ProposedFontName(const std::string& sourcePath);
std::string ProposedSourceName(const std::string& fontPath);

}  // namespace quill
