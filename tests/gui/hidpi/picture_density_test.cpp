// The picture in the screen's own pixels: the job is drawn at the screen's pixel density with smooth
// lines, and the mouse still points at the world under it.  Right at any scale; the program of this
// folder runs it on a screen scaled by 1.5, as a desktop with large text has it.
#include <QLabel>

#include "main_window_fixture.h"

namespace quill {
namespace {

// Pixels that are neither the white background nor one of the job's pure colours: the smoothing's
// blends along slanted lines.
int BlendedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      bool pure = c == QColor(Qt::white) || c == QColor(0, 128, 0) || c == QColor(0, 255, 255) ||
                  c == QColor(128, 128, 128) || c == QColor(Qt::black);
      n += !pure;
    }
  }
  return n;
}

TEST_F(MainWindowTest, ThePictureHasTheScreensPixelsAndSmoothLines) {
  double ratio = Picture().devicePixelRatioF();
  {
    TextPathWriter out(job.paths.TextPathFileName);
    out.Write(TpMove, 0, 0, 0);
    out.Write(TpLine, 0, 3, 1);  // slanted: smoothing shows along it
    out.Write(TpLine, 0, 3, 0);  // upright: one sharp pixel wide
    out.Close();
  }
  job.flags.TextPathGenerated = true;
  job.prefs.ShowRuler = false;
  Trigger("Extents");
  const QImage& image = Picture().Image();
  EXPECT_EQ(image.size(), Picture().size() * ratio);
  EXPECT_GT(BlendedPixels(image), 20);
  PixelPoint upright = Picture().View().Window().WorldToPixel(3, 0.5);
  EXPECT_EQ(image.pixelColor(upright.x, upright.y), QColor(0, 128, 0));

  // The coordinate panel names the world point under the mouse, in the image's pixels, give or take
  // the pixels a scaled window and mouse position round to.
  QTest::mouseMove(&Picture(), QPoint(100, 80));
  QStringList said = main->Frame().CoordinatePanel().text().mid(1).split(",Y");
  ASSERT_EQ(said.size(), 2);
  PixelPoint under = Picture().View().Window().WorldToPixel(said[0].toDouble(), said[1].toDouble());
  EXPECT_NEAR(under.x, 100 * ratio, 3);
  EXPECT_NEAR(under.y, 80 * ratio, 3);
}

}  // namespace
}  // namespace quill
