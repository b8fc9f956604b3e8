#include "toolpath/merge/font_coverage.h"

#include "fonts/compiled_font.h"
#include "fonts/truetype_face.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

struct FontCoverage::Fonts {
  bool trueType = false;
  CompiledFont engraving;
  TrueTypeFace face;
};

FontCoverage::FontCoverage() : fonts_(std::make_unique<Fonts>()) {}
FontCoverage::~FontCoverage() = default;

bool FontCoverage::Open(Job& job) {
  fonts_->trueType = job.settings.BFONTTYPE != 0;
  if (!fonts_->trueType) return OpenEngravingFont(job.ui, job.paths, fonts_->engraving);
  const EngravingSettings& s = job.settings;
  if (fonts_->face.Open(s.FONTNAME, s.FONTBOLD, s.FONTITALICS)) return true;
  job.ui.Error("Character Buffer Size Mismatch\nPossibly Bad Font File");
  return false;
}

bool FontCoverage::Has(unsigned char code) const {
  if (code == ' ') return true;
  return fonts_->trueType ? fonts_->face.HasCharacter(code) : fonts_->engraving.Has(code);
}

}  // namespace quill
