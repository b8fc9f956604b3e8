// Any bytes as a font source: the compiler, then every character of what it wrote and the decompiler.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fonts/compiled_font.h"
#include "fonts/font_compiler.h"
#include "fonts/font_decompiler.h"
#include "fonts/font_loader.h"
#include "fuzz_font_scratch.h"
#include "records/textpath_record.h"
#include "ui/test_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quill::test::TempDir& dir = quill::test::FontScratch();
  const std::string source = dir.File("F.QXS"), font = dir.File("F.QXF");
  quill::test::WriteFile(source, std::string(reinterpret_cast<const char*>(data), size));
  quill::TestUi ui;
  if (!quill::CompileFont(ui, source, font).written) return 0;
  quill::CompiledFont f;
  if (f.Open(font)) {
    quill::TextPathWriter out(dir.File("QMLINE.TMP"));
    quill::CharExtent extent;
    for (int code = 0; code < 256; ++code)
      quill::LoadFontCharacter(ui, f, static_cast<unsigned char>(code), 0.5, out, extent);
  }
  quill::DecompileFont(ui, font, dir.File("D.QXS"));
  return 0;
}
