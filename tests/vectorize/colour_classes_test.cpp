// "Output Colors", "Vectorize Darkest Only" and "Omit Brightest Color": the picture's colours brought
// down to classes, darkest first, and the classes each choice traces, each on a layer of its own.
#include "colour_classes.h"

#include <gtest/gtest.h>

#include "vectorize.h"

namespace quill::vectorize {
namespace {

// Black, red and blue bars on white, each 20 pixels wide.
Picture Bars() {
  Picture p(100, 40, PixelFormat::Rgb24);
  const Rgb colours[] = {{0, 0, 0}, {220, 30, 30}, {40, 40, 230}, {255, 255, 255}, {255, 255, 255}};
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 100; ++x) p.Set(x, y, colours[x / 20]);
  }
  return p;
}

TEST(ColourClasses, DarkestFirst) {
  ColourClasses c = QuantiseColours(Bars(), 4);
  ASSERT_EQ(c.colours.size(), 4u);
  EXPECT_EQ(c.colours[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(c.colours[3], (Rgb{255, 255, 255}));
  EXPECT_EQ(c.classOf.ink[c.classOf.Index(5, 5)], 0);
  EXPECT_EQ(c.classOf.ink[c.classOf.Index(90, 5)], 3);
  Mask red = ClassMask(c, c.classOf.ink[c.classOf.Index(25, 5)]);
  EXPECT_TRUE(red.At(39, 39));
  EXPECT_FALSE(red.At(40, 0));
  // Two classes: the dark bars against the white.
  EXPECT_EQ(QuantiseColours(Bars(), 0).colours.size(), 2u);
  EXPECT_EQ(QuantiseColours(Picture(5, 5, PixelFormat::Grey8), 3).colours.size(), 1u);
}

TEST(ColourClasses, WhichClassesAreTraced) {
  RasterToVectorSettings s;
  EXPECT_EQ(ClassesToTrace(4, s), (std::vector<int>{0}));
  s.darkestOnly = false;
  EXPECT_EQ(ClassesToTrace(4, s), (std::vector<int>{0, 1, 2, 3}));
  s.omitBrightest = true;
  EXPECT_EQ(ClassesToTrace(4, s), (std::vector<int>{0, 1, 2}));
}

TEST(ColourClasses, EachTracedColourIsALayer) {
  VectorizerParameters p;
  p.settings.colours = 4;
  p.settings.darkestOnly = false;
  p.settings.omitBrightest = true;
  Tracing t = Vectorize(Bars(), p);
  ASSERT_EQ(t.layers.size(), 3u);
  EXPECT_EQ(t.layers[0].name, "TRACE_000000");
  EXPECT_EQ(t.paths.size(), 3u);
  p.settings.darkestOnly = true;
  EXPECT_EQ(Vectorize(Bars(), p).layers.size(), 1u);
  // A picture of one colour has nothing to trace.
  EXPECT_TRUE(Vectorize(Picture(20, 20, PixelFormat::Grey8), p).paths.empty());
}

}  // namespace
}  // namespace quill::vectorize
