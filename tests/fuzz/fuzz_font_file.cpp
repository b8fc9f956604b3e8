// Any bytes as a compiled engraving font: every character loaded for the layout, and the decompiler.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fonts/compiled_font.h"
#include "fonts/font_decompiler.h"
#include "fonts/font_loader.h"
#include "fuzz_font_scratch.h"
#include "records/textpath_record.h"
#include "ui/test_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quill::test::TempDir& dir = quill::test::FontScratch();
  const std::string font = dir.File("F.QXF");
  quill::test::WriteFile(font, std::string(reinterpret_cast<const char*>(data), size));
  quill::TestUi ui;
  quill::CompiledFont f;
  if (!f.Open(font)) return 0;
  quill::TextPathWriter out(dir.File("QMLINE.TMP"));
  quill::CharExtent extent;
  for (int code = 0; code < 256; ++code)
    quill::LoadFontCharacter(ui, f, static_cast<unsigned char>(code), 0.5, out, extent);
  out.Close();
  // What the layout gets is well formed: every curve block holds exactly the points its count says.
  quill::TextPathReader in(dir.File("QMLINE.TMP"));
  quill::TextPathRecord r;
  int left = -1;
  while (in.Next(r)) {
    if (r.kind == quill::TpCurveStart) {
      if (left >= 0 || r.value <= 0) __builtin_trap();
      left = r.value;
    } else if (r.kind == quill::TpCurveEnd) {
      if (left != 0) __builtin_trap();
      left = -1;
    } else if (left >= 0) {
      if (r.kind != quill::TpLine || left-- == 0) __builtin_trap();
    }
  }
  quill::DecompileFont(ui, font, dir.File("D.QXS"));
  return 0;
}
