// The engraving fonts that ship with the program, compiled from their sources as the build does.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "font_files.h"
#include "fonts/font_compiler.h"
#include "fonts/font_decompiler.h"
#include "fonts/font_loader.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class BundledFont : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    source = test::SourceDir() + "/data/fonts/" + GetParam() + ".QXS";
    font = dir.File("F.QXF");
    FontCompileResult r = CompileFont(ui, source, font);
    ASSERT_TRUE(r.written);
    ASSERT_EQ(r.errors, 0) << (ui.messages.empty() ? "" : ui.messages[0].text);
    records = test::ReadFont(font);
  }

  test::TempDir dir;
  TestUi ui;
  std::string source, font;
  std::vector<FontRecord> records;
};

TEST_P(BundledFont, LetterHIsOneUnitTallOnTheBaseline) {
  CompiledFont f;
  ASSERT_TRUE(f.Open(font));
  TextPathWriter out(dir.File("QMLINE.TMP"));
  CharExtent h;
  ASSERT_TRUE(LoadFontCharacter(ui, f, 'H', 0.5, out, h));
  EXPECT_NEAR(h.YMin, 0, 1e-4);
  EXPECT_NEAR(h.YMax, 1, 1e-4);
  EXPECT_NEAR(h.XMin, 0, 1e-4);
  EXPECT_GT(h.XMax, 0.3);
}

// Every character from the space to the tilde, and the degree and diameter signs drawn with arcs; each
// starts at X 0 (a lone upright stroke such as "I" is all the width it has).
TEST_P(BundledFont, CharacterSet) {
  std::set<int> codes, withArcs;
  int code = -1;
  for (size_t i = 0; i < records.size(); ++i) {
    const FontRecord& r = records[i];
    if (r.kind == TpCharStart) {
      code = r.value;
      EXPECT_TRUE(codes.insert(code).second) << "twice: " << code;
      ASSERT_LT(i + 2, records.size());
      EXPECT_NEAR(records[i + 1].X, 0, 1e-4) << "character " << code << " does not start at X 0";
      EXPECT_GE(records[i + 2].X, 0.0f) << "character " << code << " runs left of its origin";
    }
    if (r.kind == TpArcCw || r.kind == TpArcCcw) withArcs.insert(code);
  }
  for (int c = 32; c <= 126; ++c) EXPECT_TRUE(codes.count(c)) << "missing " << c;
  EXPECT_EQ(withArcs, (std::set<int>{127, 129}));
}

TEST_P(BundledFont, CompileDecompileCompileGivesTheSameFont) {
  ASSERT_TRUE(DecompileFont(ui, font, dir.File("B.QXS")));
  ASSERT_TRUE(CompileFont(ui, dir.File("B.QXS"), dir.File("B.QXF")).written);
  EXPECT_TRUE(test::ReadFile(font) == test::ReadFile(dir.File("B.QXF")));
}

INSTANTIATE_TEST_SUITE_P(Fonts, BundledFont,
                         ::testing::Values("SIMPLEX", "DUPLEX", "TRIPLEX", "SANS", "SCRIPT", "GOTHIC", "GREEK"));

}  // namespace
}  // namespace quill
