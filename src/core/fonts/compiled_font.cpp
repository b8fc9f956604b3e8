#include "fonts/compiled_font.h"

#include "job/paths.h"
#include "records/textpath_record.h"
#include "ui/ui.h"

namespace quill {

bool CompiledFont::Open(const std::string& path) {
  first_.fill(-1);
  reader_ = std::make_unique<FontReader>(path);
  if (!reader_->IsOpen()) return false;
  FontRecord r;
  for (long at = 0; reader_->Next(r); ++at) {
    if (r.kind == TpCharStart && r.value >= 0 && r.value <= 255 && first_[r.value] < 0) first_[r.value] = at;
  }
  return true;
}

bool CompiledFont::SeekCharacter(unsigned char code) {
  return IsOpen() && Has(code) && reader_->Seek(first_[code]);
}

bool OpenEngravingFont(Ui& ui, const JobPaths& paths, CompiledFont& font) {
  if (font.Open(FontPath(paths, paths.EngraveFontFile))) return true;
  ui.Error("Font File [" + paths.EngraveFontFile + "] Does not exist");
  return false;
}

}  // namespace quill
