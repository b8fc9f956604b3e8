// TrueType outlines: the native buffer made from rasteriser contours and the walk that turns it into
// text path records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fonts/font_families.h"
#include "fonts/native_outline.h"
#include "fonts/truetype_face.h"
#include "fonts/truetype_glyph.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

constexpr int32_t One = 65536;

OutlinePoint On(double x, double y) {
  return {{static_cast<int32_t>(x * One), static_cast<int32_t>(y * One)}, OutlinePointKind::On};
}
OutlinePoint Off(double x, double y) {
  return {{static_cast<int32_t>(x * One), static_cast<int32_t>(y * One)}, OutlinePointKind::Conic};
}

std::vector<TextPathRecord> Walk(const std::vector<uint8_t>& buffer, CharExtent& extent) {
  std::vector<TextPathRecord> recs;
  EXPECT_TRUE(WalkNativeOutline(buffer, 'O', GlyphScale{}, recs, extent));
  return recs;
}

int Count(const std::vector<TextPathRecord>& recs, int kind) {
  int n = 0;
  for (const auto& r : recs) n += r.kind == kind;
  return n;
}

TEST(NativeOutline, TwoContoursGiveTwoClosedMoves) {
  std::vector<uint8_t> buffer;
  AppendNativeContour({On(0, 0), On(4, 0), On(4, 4), On(0, 4)}, buffer);
  AppendNativeContour({On(1, 1), On(1, 3), On(3, 3), On(3, 1)}, buffer);
  CharExtent e;
  auto recs = Walk(buffer, e);
  ASSERT_EQ(Count(recs, TpMove), 2);
  EXPECT_EQ(recs.front().kind, TpCharStart);
  EXPECT_EQ(recs.back().kind, TpCharEnd);
  // Each contour ends with a line back to its own start.
  for (size_t i = 0; i < recs.size(); ++i) {
    if (recs[i].kind != TpMove) continue;
    size_t j = i + 1;
    while (j < recs.size() && recs[j].kind == TpLine) ++j;
    EXPECT_EQ(recs[j - 1].X, recs[i].X);
    EXPECT_EQ(recs[j - 1].Y, recs[i].Y);
    EXPECT_EQ(j - i - 1, 4u);  // three lines of the contour and the closing one
  }
  // The box records carry the glyph mark and the extent of the points.
  EXPECT_EQ(recs[1].kind, TpBoxLow);
  EXPECT_EQ(recs[1].value, 1);
  EXPECT_EQ(recs[2].X, 4);
  EXPECT_EQ(recs[2].Y, 4);
  EXPECT_EQ(e.XMin, 0);
  EXPECT_EQ(e.YMax, 4);
}

TEST(NativeOutline, AQuadraticRecordOfThreePointsIsTwoSegments) {
  // Start on (0,0), controls (0,2) and (2,2) with the implied on-curve midpoint (1,2), end on (2,0).
  std::vector<uint8_t> buffer;
  AppendNativeContour({On(0, 0), Off(0, 2), Off(2, 2), On(2, 0)}, buffer);
  CharExtent e;
  auto recs = Walk(buffer, e);
  ASSERT_EQ(Count(recs, TpCurveStart), 2);
  std::vector<TextPathRecord> ends;
  for (size_t i = 0; i < recs.size(); ++i) {
    if (recs[i].kind == TpCurveEnd) {
      EXPECT_EQ(recs[i].value, 10);
      ends.push_back(recs[i - 1]);
    }
  }
  EXPECT_DOUBLE_EQ(ends[0].X, 1);  // the first segment ends between the two controls
  EXPECT_DOUBLE_EQ(ends[0].Y, 2);
  EXPECT_DOUBLE_EQ(ends[1].X, 2);  // the second at the last point
  EXPECT_DOUBLE_EQ(ends[1].Y, 0);
}

TEST(NativeOutline, ContourWithoutOnCurvePointsAndClosingCurve) {
  std::vector<uint8_t> buffer;
  AppendNativeContour({Off(0, 1), Off(1, 1), Off(1, 0), Off(0, 0)}, buffer);
  CharExtent e;
  auto recs = Walk(buffer, e);
  ASSERT_EQ(Count(recs, TpMove), 1);
  EXPECT_DOUBLE_EQ(recs[3].X, 0.5);  // starts between the first two controls
  EXPECT_DOUBLE_EQ(recs[3].Y, 1);
  EXPECT_EQ(Count(recs, TpCurveStart), 4);
}

TEST(NativeOutline, ScalesAreAppliedAsPointsAreRead) {
  std::vector<uint8_t> buffer;
  AppendNativeContour({On(0, 0), On(48, 24)}, buffer);
  std::vector<TextPathRecord> recs;
  CharExtent e;
  ASSERT_TRUE(WalkNativeOutline(buffer, 'A', GlyphScale{0.5, 0.25, 0}, recs, e));
  EXPECT_DOUBLE_EQ(recs[4].X, 24);
  EXPECT_DOUBLE_EQ(recs[4].Y, 6);
}

TEST(NativeOutline, DamagedBuffersAreRefused) {
  std::vector<uint8_t> good;
  AppendNativeContour({On(0, 0), On(1, 0), On(1, 1)}, good);
  for (size_t cut = 1; cut < good.size(); ++cut) {
    std::vector<uint8_t> bad(good.begin(), good.begin() + static_cast<long>(cut));
    std::vector<TextPathRecord> recs;
    CharExtent e;
    EXPECT_FALSE(WalkNativeOutline(bad, 'A', GlyphScale{}, recs, e)) << cut;
  }
  std::vector<uint8_t> huge = good;
  huge[18] = 0xFF;  // a point count beyond the polygon
  huge[19] = 0xFF;
  std::vector<TextPathRecord> recs;
  CharExtent e;
  EXPECT_FALSE(WalkNativeOutline(huge, 'A', GlyphScale{}, recs, e));
}

TEST(TrueTypeFace, ArialResolvesAndGivesOutlines) {
  TrueTypeFace face;
  ASSERT_TRUE(face.Open("Arial", false, false)) << "no scalable fonts: install fonts-liberation2 (scripts/deps.sh)";
  std::vector<uint8_t> h, space, o;
  ASSERT_TRUE(face.NativeOutline('H', h));
  ASSERT_TRUE(face.NativeOutline(' ', space));
  ASSERT_TRUE(face.NativeOutline('O', o));
  EXPECT_FALSE(h.empty());
  EXPECT_TRUE(space.empty());  // no outline: the layout advances it like a space
  std::vector<TextPathRecord> recs;
  CharExtent e;
  ASSERT_TRUE(WalkNativeOutline(h, 'H', GlyphScale{}, recs, e));
  EXPECT_NEAR(e.YMax - e.YMin, 48 * 0.716, 1.5);  // cap height of a sans face at an em of 48
  recs.clear();
  ASSERT_TRUE(WalkNativeOutline(o, 'O', GlyphScale{}, recs, e));
  EXPECT_EQ(Count(recs, TpMove), 2);
}

// The face list names installed families only; a family that is not installed is said with the one
// used in its place, which is installed.
TEST(FontFamilies, AFamilyNotInstalledNamesTheOneUsedInItsPlace) {
  std::vector<std::string> installed = InstalledFontFamilies();
  ASSERT_FALSE(installed.empty()) << "no scalable fonts: install fonts-liberation2 (scripts/deps.sh)";
  EXPECT_TRUE(std::is_sorted(installed.begin(), installed.end()));
  EXPECT_EQ(FamilyInUse(installed.front()), installed.front());
  std::string used = FamilyInUse("No Such Face 42");
  EXPECT_TRUE(std::binary_search(installed.begin(), installed.end(), used)) << used;
}

CharExtent ExtentOf(const TrueTypeFace& face, unsigned char code) {
  std::vector<uint8_t> buffer;
  std::vector<TextPathRecord> recs;
  CharExtent e;
  EXPECT_TRUE(face.NativeOutline(code, buffer));
  EXPECT_TRUE(WalkNativeOutline(buffer, code, GlyphScale{}, recs, e));
  return e;
}

TEST(TrueTypeFace, MissingStylesAreMadeUp) {
  // A family with a regular face only: bold is emboldened, italic slanted.
  const char* family = "DejaVu Math TeX Gyre";
  TrueTypeFace regular, bold, italic;
  ASSERT_TRUE(regular.Open(family, false, false) && regular.FilePath().find("Math") != std::string::npos)
      << "no single-style family: install fonts-dejavu-extra (scripts/deps.sh --tests)";
  ASSERT_TRUE(bold.Open(family, true, false));
  ASSERT_TRUE(italic.Open(family, false, true));
  CharExtent r = ExtentOf(regular, 'I'), b = ExtentOf(bold, 'I'), i = ExtentOf(italic, 'I');
  EXPECT_GT(b.XMax - b.XMin, r.XMax - r.XMin + 0.5);
  EXPECT_GT(i.XMax, r.XMax + 3);  // the top leans right
}

TEST(LoadGlyphOutline, AnUnreadableOutlineStopsWithTheMessage) {
  TestUi ui;
  TrueTypeFace closed;  // a face that could not be opened gives no outlines
  test::TempDir dir;
  TextPathWriter out(dir.File("QMLINE.TMP"));
  CharExtent e;
  EXPECT_FALSE(LoadGlyphOutline(ui, closed, 'A', GlyphScale{}, out, e));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Character Buffer Size Mismatch\nPossibly Bad Font File");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(out.Count(), 0);
  EXPECT_EQ(ui.Console(StatusChannel::TextPathConsole), "A");  // echoed before it was tried
}

TEST(WindowsLatin, HighCodes) {
  EXPECT_EQ(WindowsLatinToUnicode('A'), 0x41u);
  EXPECT_EQ(WindowsLatinToUnicode(0x80), 0x20ACu);
  EXPECT_EQ(WindowsLatinToUnicode(0xB0), 0xB0u);
}

}  // namespace
}  // namespace quill
