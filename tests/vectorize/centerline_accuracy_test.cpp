// Centre lines traced back from pictures of known strokes: the bundled engraving fonts rendered thick.
// The traced lines must lie within a few pixels of the strokes both ways (no line where there is no
// stroke, no stroke left out) and follow each stroke once, not twice as an outline would, so the
// traced length matches the strokes'.  The largest distances come where strokes meet or run closer
// than their width (the junctions of R and K, a script letter's upstroke and downstroke).
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "centerline/centerline_trace.h"
#include "colour_classes.h"
#include "stroke_pictures.h"
#include "test_support.h"

namespace quill::vectorize {
namespace {

using test::Stroke;

struct Case {
  const char* font;
  const char* text;
  double capHeight, strokeWidth;
  bool curves;
};

Mask InkOf(const Picture& picture) {
  Mask m(picture.Width(), picture.Height());
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) m.Set(x, y, picture.GreyAt(x, y) < 128);
  }
  return m;
}

class CenterlineAccuracy : public ::testing::TestWithParam<Case> {};

TEST_P(CenterlineAccuracy, TracesTheStrokesOnce) {
  const Case& c = GetParam();
  std::vector<Stroke> strokes = test::FontStrokes(test::FontSource(quill::test::SourceDir(), c.font), c.text,
                                                  c.capHeight, 20, 20 + c.capHeight * 0.7);
  double right = 0;
  for (const Stroke& s : strokes) {
    for (const Point& p : s) right = std::max(right, p.x);
  }
  int width = static_cast<int>(right) + 40, height = static_cast<int>(c.capHeight * 2) + 40;
  Picture picture = test::DrawStrokes(strokes, width, height, c.strokeWidth);
  CenterlineOptions options;
  options.curves = c.curves;
  CenterlineTrace traced = TraceCenterlines(InkOf(picture), options);
  std::vector<Stroke> lines = test::PathsAsStrokes(traced.lines);

  double out = test::DirectedHausdorff(lines, strokes), in = test::DirectedHausdorff(strokes, lines);
  double ratio = test::TotalLength(lines) / test::TotalLength(strokes);
  std::printf(
      "%s \"%s\" at %.0f px, stroke %.0f px, %s: traced to strokes %.2f px, strokes to traced %.2f px, "
      "length ratio %.3f, %zu paths\n",
      c.font, c.text, c.capHeight, c.strokeWidth, c.curves ? "arcs" : "lines", out, in, ratio, traced.lines.size());
  EXPECT_LE(out, 3.0);
  EXPECT_LE(in, 4.0);
  EXPECT_GT(ratio, 0.9);
  EXPECT_LT(ratio, 1.1);
  EXPECT_TRUE(traced.wide.ink.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, CenterlineAccuracy,
    ::testing::Values(Case{"SIMPLEX", "QUILLMARK 2024", 120, 9, false}, Case{"SIMPLEX", "engrave", 120, 9, true},
                      Case{"SIMPLEX", "ENGRAVING TOOLS", 100, 6, false},
                      Case{"SIMPLEX", "ENGRAVING TOOLS", 100, 6, true}, Case{"SCRIPT", "Signature", 150, 4, true},
                      Case{"DUPLEX", "HELLO", 150, 4, false}, Case{"SANS", "AXE 47", 100, 12, false},
                      Case{"SANS", "WHY 2024", 80, 5, true}),
    [](const ::testing::TestParamInfo<Case>& param) {
      const Case& c = param.param;
      std::string name = std::string(c.font) + "_" + c.text + "_" + std::to_string(static_cast<int>(c.strokeWidth)) +
                         "px_" + (c.curves ? "arcs" : "lines");
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

}  // namespace
}  // namespace quill::vectorize
