// The installed font file fontconfig gives for a family and style, as the TrueType outlines and the
// settings dialog's face list both see it: a family that is not installed is replaced by another one.
#pragma once

#include <string>

namespace quill {

struct FontMatch {
  std::string file;
  int index = 0;       // the face within the file
  std::string family;  // the installed family the file belongs to
};

// False when fontconfig has no scalable font at all.
bool MatchInstalledFont(const std::string& family, bool bold, bool italic, FontMatch& out);

}  // namespace quill
