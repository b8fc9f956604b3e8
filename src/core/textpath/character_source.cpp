#include "textpath/character_source.h"

#include "fonts/truetype_face.h"
#include "job/job.h"
#include "ui/ui.h"

namespace quill {

namespace {

class TrueTypeSource : public CharacterSource {
 public:
  explicit TrueTypeSource(Ui& ui) : ui_(ui) {}
  bool Open(const EngravingSettings& s) { return face_.Open(s.FONTNAME, s.FONTBOLD, s.FONTITALICS); }
  bool Load(unsigned char code, TextPathWriter& line, CharExtent& extent) override {
    return LoadGlyphOutline(ui_, face_, code, scale_, line, extent);
  }
  void SetScale(const GlyphScale& scale) override { scale_ = scale; }

 private:
  Ui& ui_;
  TrueTypeFace face_;
  GlyphScale scale_;
};

}  // namespace

std::unique_ptr<CharacterSource> OpenCharacterSource(Job& job) {
  if (job.settings.BFONTTYPE != 0) {
    auto tt = std::make_unique<TrueTypeSource>(job.ui);
    // A face that cannot be opened reads as glyphs that cannot be fetched: the first one reports it.
    tt->Open(job.settings);
    return tt;
  }
  return OpenEngravingFontSource(job);
}

}  // namespace quill
