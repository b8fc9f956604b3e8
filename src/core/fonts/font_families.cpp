#include "fonts/font_families.h"

#include <algorithm>

#include "fonts/font_libraries.h"
#include "fonts/font_match.h"

namespace quill {

std::vector<std::string> InstalledFontFamilies() {
  std::vector<std::string> names;
  const FontconfigCalls* fc = Fontconfig();
  if (!fc) return names;
  FcPattern* pattern = fc->FcPatternCreate();
  fc->FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcObjectSet* fields = fc->FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* set = fc->FcFontList(nullptr, pattern, fields);
  if (set) {
    for (int i = 0; i < set->nfont; ++i) {
      FcChar8* family = nullptr;
      if (fc->FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family) {
        names.emplace_back(reinterpret_cast<const char*>(family));
      }
    }
    fc->FcFontSetDestroy(set);
  }
  fc->FcObjectSetDestroy(fields);
  fc->FcPatternDestroy(pattern);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::string FamilyInUse(const std::string& family) {
  FontMatch match;
  return MatchInstalledFont(family, false, false, match) ? match.family : std::string();
}

}  // namespace quill
