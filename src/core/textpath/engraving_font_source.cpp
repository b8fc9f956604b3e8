#include <memory>

#include "fonts/compiled_font.h"
#include "job/job.h"
#include "textpath/character_source.h"

namespace quill {

namespace {

class EngravingFontSource : public CharacterSource {
 public:
  explicit EngravingFontSource(Ui& ui) : ui_(ui) {}
  bool Open(const JobPaths& paths) { return OpenEngravingFont(ui_, paths, font_); }
  bool Load(unsigned char code, TextPathWriter& line, CharExtent& extent) override {
    return LoadFontCharacter(ui_, font_, code, space_, line, extent);
  }
  // Engraving fonts are drawn in their own units; only the space width comes from the H.
  void SetScale(const GlyphScale& scale) override { space_ = scale.space; }

 private:
  Ui& ui_;
  CompiledFont font_;
  double space_ = 0;
};

}  // namespace

std::unique_ptr<CharacterSource> OpenEngravingFontSource(Job& job) {
  auto source = std::make_unique<EngravingFontSource>(job.ui);
  if (!source->Open(job.paths)) return nullptr;
  return source;
}

}  // namespace quill
