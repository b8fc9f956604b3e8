// The pixel grid: sizes it refuses, brightness, and grey conversion.
#include <gtest/gtest.h>

#include "pixels/picture.h"

namespace quill {
namespace {

TEST(Picture, SizesBeyondTheLimitsAreRefusedBeforeAllocating) {
  EXPECT_EQ(CheckPictureSize(30000, 3000), "");
  EXPECT_NE(CheckPictureSize(30001, 1), "");
  EXPECT_NE(CheckPictureSize(20000, 20000), "");  // 400 million pixels
  EXPECT_NE(CheckPictureSize(0, 5), "");
  EXPECT_NE(CheckPictureSize(5, -1), "");
  EXPECT_TRUE(Picture(50000, 50000, PixelFormat::Rgb24).Empty());
  EXPECT_FALSE(Picture(1, 1, PixelFormat::Grey8).Empty());
}

TEST(Picture, BrightnessKeepsGreysAndWeighsColoursAsTheEyeDoes) {
  for (int g : {0, 1, 127, 128, 254, 255}) {
    uint8_t level = static_cast<uint8_t>(g);
    EXPECT_EQ(GreyLevel({level, level, level}), level);
  }
  EXPECT_EQ(GreyLevel({255, 0, 0}), 76);
  EXPECT_EQ(GreyLevel({0, 255, 0}), 150);
  EXPECT_EQ(GreyLevel({0, 0, 255}), 29);

  Picture colour(2, 1, PixelFormat::Rgb24);
  colour.Set(0, 0, {0, 255, 0});
  colour.Set(1, 0, {200, 200, 200});
  Picture grey = ToGrey(colour);
  EXPECT_EQ(grey.Format(), PixelFormat::Grey8);
  EXPECT_EQ(grey.GreyAt(0, 0), 150);
  EXPECT_EQ(grey.At(1, 0), (Rgb{200, 200, 200}));
  // A grey picture given a colour keeps its brightness.
  grey.Set(0, 0, {0, 0, 255});
  EXPECT_EQ(grey.GreyAt(0, 0), 29);
}

}  // namespace
}  // namespace quill
