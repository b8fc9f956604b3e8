#include "fonts/font_families.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "fonts/font_match.h"

namespace quill {

std::vector<std::string> InstalledFontFamilies() {
  std::vector<std::string> names;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* set = FcFontList(nullptr, pattern, fields);
  if (set) {
    for (int i = 0; i < set->nfont; ++i) {
      FcChar8* family = nullptr;
      if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family) {
        names.emplace_back(reinterpret_cast<const char*>(family));
      }
    }
    FcFontSetDestroy(set);
  }
  FcObjectSetDestroy(fields);
  FcPatternDestroy(pattern);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::string FamilyInUse(const std::string& family) {
  FontMatch match;
  return MatchInstalledFont(family, false, false, match) ? match.family : std::string();
}

}  // namespace quill
