#include "fonts/font_match.h"

#include "fonts/font_libraries.h"

namespace quill {

bool MatchInstalledFont(const std::string& family, bool bold, bool italic, FontMatch& out) {
  const FontconfigCalls* fc = Fontconfig();
  if (!fc) return false;
  FcPattern* pattern = fc->FcPatternCreate();
  fc->FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  fc->FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  fc->FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  fc->FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  fc->FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  fc->FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = fc->FcFontMatch(nullptr, pattern, &result);
  fc->FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  FcChar8* matched = nullptr;
  bool ok = fc->FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
  if (ok) {
    out.file = reinterpret_cast<const char*>(file);
    out.index = 0;
    fc->FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
    bool named = fc->FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch && matched;
    out.family = named ? reinterpret_cast<const char*>(matched) : std::string();
  }
  fc->FcPatternDestroy(match);
  return ok;
}

}  // namespace quill
