// Editing the traced picture: quarter turns move pixels exactly and the drawn lines with them, odd
// angles grow the picture, mirroring, cut, copy and paste, the effects, and undo of all of it.
#include "raster/picture_edit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "raster/picture_effects.h"
#include "raster/trace_document.h"

namespace quill {
namespace {

// A 4 x 2 grey picture with distinct levels, so every pixel can be followed.
Picture Numbered() {
  Picture p(4, 2, PixelFormat::Grey8);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) p.SetGrey(x, y, static_cast<uint8_t>(10 * (y * 4 + x) + 5));
  }
  return p;
}

TEST(PictureEdit, AQuarterTurnMovesPixelsAndPositionsAlike) {
  Picture p = Numbered();
  EditedPicture turned = RotatePicture(p, 90);
  ASSERT_EQ(turned.picture.Width(), 2);
  ASSERT_EQ(turned.picture.Height(), 4);
  // Counter-clockwise as seen: the top right pixel comes to the top left.
  EXPECT_EQ(turned.picture.GreyAt(0, 0), p.GreyAt(3, 0));
  EXPECT_EQ(turned.picture.GreyAt(1, 3), p.GreyAt(0, 1));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      double nx = x, ny = y;
      turned.map.Apply(nx, ny);
      EXPECT_EQ(turned.picture.GreyAt(static_cast<int>(std::lround(nx)), static_cast<int>(std::lround(ny))),
                p.GreyAt(x, y));
    }
  }
  EditedPicture back = RotatePicture(RotatePicture(RotatePicture(turned.picture, 90).picture, 90).picture, 90);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(back.picture.GreyAt(x, y), p.GreyAt(x, y));
  }
}

TEST(PictureEdit, AnOddAngleGrowsThePictureWithWhiteCorners) {
  Picture p(100, 50, PixelFormat::Rgb24);
  EditedPicture turned = RotatePicture(p, 30);
  EXPECT_EQ(turned.picture.Width(), 112);  // 100 cos 30 + 50 sin 30 = 111.6
  EXPECT_EQ(turned.picture.Height(), 94);  // 100 sin 30 + 50 cos 30 = 93.3
  EXPECT_EQ(turned.picture.At(0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(turned.picture.At(56, 47), (Rgb{0, 0, 0}));
  double x = 49.5, y = 24.5;
  turned.map.Apply(x, y);
  EXPECT_NEAR(x, 55.5, 1e-9);
  EXPECT_NEAR(y, 46.5, 1e-9);
}

TEST(PictureEdit, TooLargeATurnIsRefused) {
  Picture p(30000, 100, PixelFormat::Grey8);
  EXPECT_TRUE(RotatePicture(p, 45).picture.Empty());
}

TEST(PictureEdit, FlipMirrorsLeftToRight) {
  EditedPicture f = FlipPicture(Numbered());
  EXPECT_EQ(f.picture.GreyAt(0, 0), 35);
  EXPECT_EQ(f.picture.GreyAt(3, 1), 45);
  double x = 0, y = 1;
  f.map.Apply(x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 1);
}

TEST(PictureEdit, CopyCutAndPasteStayInsideThePicture) {
  Picture p = Numbered();
  Picture piece = CopyArea(p, {2, 0, 5, 5});
  ASSERT_EQ(piece.Width(), 2);
  ASSERT_EQ(piece.Height(), 2);
  EXPECT_EQ(piece.GreyAt(0, 1), 65);
  EXPECT_TRUE(CopyArea(p, {10, 10, 2, 2}).Empty());
  PasteArea(p, piece, -1, 1);
  EXPECT_EQ(p.GreyAt(0, 1), 35);
  FillArea(p, {1, 0, 1, 9}, White);
  EXPECT_EQ(p.GreyAt(1, 0), 255);
  EXPECT_EQ(p.GreyAt(1, 1), 255);
}

TEST(PictureEffects, ThresholdInvertGreyBrightnessContrast) {
  Picture p(3, 1, PixelFormat::Rgb24);
  p.Set(0, 0, {200, 200, 200});
  p.Set(1, 0, {255, 0, 0});
  p.Set(2, 0, {20, 20, 20});
  Picture bw = ApplyEffects(p, {0, 0, 128, false, false});
  EXPECT_EQ(bw.Format(), PixelFormat::Grey8);
  EXPECT_EQ(bw.GreyAt(0, 0), 255);
  EXPECT_EQ(bw.GreyAt(1, 0), 0);  // red is dark: 76
  Picture inverted = ApplyEffects(p, {0, 0, 0, true, false});
  EXPECT_EQ(inverted.At(1, 0), (Rgb{0, 255, 255}));
  EXPECT_EQ(ApplyEffects(p, {0, 0, 128, true, false}).GreyAt(0, 0), 0);
  EXPECT_EQ(ApplyEffects(p, {0, 0, 0, false, true}).GreyAt(1, 0), 76);
  EXPECT_EQ(ApplyEffects(p, {100, 0, 0, false, false}).At(2, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(ApplyEffects(p, {0, -100, 0, false, false}).At(2, 0), (Rgb{128, 128, 128}));
  EXPECT_EQ(ApplyEffects(p, {0, 100, 0, false, false}).At(0, 0), (Rgb{255, 255, 255}));
}

TEST(TraceDocument, EditsMoveTheAnnotationsAndUndoTakesThemBack) {
  TraceDocument doc;
  doc.Replace(Numbered(), "pic.bmp");
  doc.AddLine(0, 0, 3, 0);
  doc.PlaceMark("O", 3, 1, 12);
  ASSERT_TRUE(doc.Rotate(90));
  EXPECT_EQ(doc.Image().Width(), 2);
  EXPECT_NEAR(doc.Marks()[0].x1, 0, 1e-9);
  EXPECT_NEAR(doc.Marks()[0].y1, 3, 1e-9);
  EXPECT_NEAR(doc.Marks()[0].y2, 0, 1e-9);
  doc.Flip();
  doc.Effects({0, 0, 0, true, false});
  Picture cut = doc.Cut({0, 0, 1, 1});
  EXPECT_EQ(cut.Width(), 1);
  for (int i = 0; i < 4; ++i) doc.Undo();
  EXPECT_EQ(doc.Image().Width(), 4);
  EXPECT_EQ(doc.Marks()[1].x1, 3);
  doc.Undo();
  doc.Undo();
  EXPECT_TRUE(doc.Marks().empty());
  EXPECT_EQ(doc.Name(), "pic.bmp");
}

TEST(TraceDocument, EditModeFindsMovesAndRemovesAnnotations) {
  TraceDocument doc;
  doc.Replace(Picture(100, 100, PixelFormat::Grey8), "");
  doc.AddLine(10, 10, 90, 10);
  doc.PlaceMark("X", 50, 50, 12);
  EXPECT_EQ(doc.AnnotationAt(50, 13, 4), 0);
  EXPECT_EQ(doc.AnnotationAt(52, 49, 4), 1);
  EXPECT_EQ(doc.AnnotationAt(50, 30, 4), -1);
  doc.MoveAnnotation(1, 5, -5);
  EXPECT_EQ(doc.Marks()[1].x1, 55);
  doc.RemoveAnnotation(0);
  ASSERT_EQ(doc.Marks().size(), 1u);
  EXPECT_EQ(doc.Marks()[0].text, "X");
  doc.Undo();
  EXPECT_EQ(doc.Marks().size(), 2u);
}

TEST(TraceDocument, UndoKeepsALimitedNumberOfSteps) {
  TraceDocument doc;
  doc.Replace(Picture(50, 50, PixelFormat::Rgb24), "");
  for (int i = 0; i < 5; ++i) doc.Flip();
  for (size_t i = 0; i < MaxUndoSteps + 10; ++i) doc.AddLine(0, 0, 1, 1);
  int steps = 0;
  while (doc.CanUndo()) doc.Undo(), ++steps;
  EXPECT_LE(static_cast<size_t>(steps), MaxUndoSteps);
}

}  // namespace
}  // namespace quill
