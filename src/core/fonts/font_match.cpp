#include "fonts/font_match.h"

#include <fontconfig/fontconfig.h>

namespace quill {

bool MatchInstalledFont(const std::string& family, bool bold, bool italic, FontMatch& out) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  FcChar8* matched = nullptr;
  bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
  if (ok) {
    out.file = reinterpret_cast<const char*>(file);
    out.index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
    bool named = FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch && matched;
    out.family = named ? reinterpret_cast<const char*>(matched) : std::string();
  }
  FcPatternDestroy(match);
  return ok;
}

}  // namespace quill
