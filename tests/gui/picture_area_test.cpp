// The picture area under the mouse and the scroll bars: rubber-band zoom, Previous, the coordinate
// panel, the deferred pan, and the job's colours on the screen.
#include <QLabel>
#include <QScrollBar>

#include "main_window_fixture.h"

namespace quill {
namespace {

void ExpectWindow(const WorldWindow& w, const WorldWindow& want) {
  EXPECT_NEAR(w.Xmin, want.Xmin, 1e-9);
  EXPECT_NEAR(w.Ymin, want.Ymin, 1e-9);
  EXPECT_NEAR(w.Xmax, want.Xmax, 1e-9);
  EXPECT_NEAR(w.Ymax, want.Ymax, 1e-9);
}

class PictureAreaTest : public MainWindowTest {
 protected:
  PictureAreaTest() {
    job.view.ViewWindow = {0, 0, 20, 10};
    Picture().View().SetupView();
  }
  WorldWindow WorldUnder(QPoint a, QPoint b) {
    WorldWindow w;
    Picture().View().Window().PixelToWorld(std::min(a.x(), b.x()), std::max(a.y(), b.y()), w.Xmin, w.Ymin);
    Picture().View().Window().PixelToWorld(std::max(a.x(), b.x()), std::min(a.y(), b.y()), w.Xmax, w.Ymax);
    return w;
  }
};

TEST_F(PictureAreaTest, RubberBandZoomAndPreviousThroughTheMouse) {
  WorldWindow before = job.view.ViewWindow;
  QPoint from(300, 250), to(120, 60);
  WorldWindow expected = WorldUnder(from, to);
  Trigger("Zoom");
  QTest::mousePress(&Picture(), Qt::LeftButton, {}, from);
  EXPECT_TRUE(job.view.ZoomDragging);
  QTest::mouseMove(&Picture(), QPoint(200, 200));
  QTest::mouseMove(&Picture(), to);
  QTest::mouseRelease(&Picture(), Qt::LeftButton, {}, to);
  ExpectWindow(job.view.ViewWindow, expected);
  EXPECT_FALSE(job.view.ZoomArmed || job.view.ZoomDragging);
  ExpectWindow(job.view.PrevViewWindow, before);
  Picture().actions()[1]->trigger();  // the right-click menu's "&Previous"
  ExpectWindow(job.view.ViewWindow, before);
  // Without Zoom a press and release change nothing.
  QTest::mouseClick(&Picture(), Qt::LeftButton, {}, from);
  ExpectWindow(job.view.ViewWindow, before);
}

TEST_F(PictureAreaTest, TheRubberBandIsDrawnTwiceToEraseIt) {
  QImage before = Picture().Image().copy();
  Trigger("Zoom");
  QTest::mousePress(&Picture(), Qt::LeftButton, {}, QPoint(50, 50));
  QTest::mouseMove(&Picture(), QPoint(150, 120));
  EXPECT_NE(Picture().Image(), before);
  QTest::mouseMove(&Picture(), QPoint(50, 50));
  QTest::mouseMove(&Picture(), QPoint(51, 51));
  // Only the one-pixel band at the press point differs now.
  QImage now = Picture().Image();
  int differing = 0;
  for (int y = 0; y < now.height(); ++y) {
    for (int x = 0; x < now.width(); ++x) differing += now.pixel(x, y) != before.pixel(x, y);
  }
  EXPECT_LE(differing, 8);
}

TEST_F(PictureAreaTest, CoordinatePanelShowsTheWorldPointWithFourDecimals) {
  auto& panel = main->Frame().CoordinatePanel();
  EXPECT_EQ(panel.text(), "X0,Y0");
  QTest::mouseMove(&Picture(), QPoint(100, 80));
  double x, y;
  Picture().View().Window().PixelToWorld(100, 80, x, y);
  EXPECT_EQ(panel.text(), QString("X%1,Y%2").arg(x, 0, 'f', 4).arg(y, 0, 'f', 4));
}

TEST_F(PictureAreaTest, ScrollBarsPanByTheirShareOfTheWindowOnceTheScrollEnds) {
  QScrollBar& h = main->Frame().HorizontalBar();
  QScrollBar& v = main->Frame().VerticalBar();
  EXPECT_EQ(h.minimum(), -100);
  EXPECT_EQ(h.maximum(), 100);
  EXPECT_EQ(h.singleStep(), 5);
  EXPECT_EQ(h.pageStep(), 20);
  WorldWindow w = job.view.ViewWindow;
  double width = w.Xmax - w.Xmin, height = w.Ymax - w.Ymin;
  h.setValue(20);
  EXPECT_DOUBLE_EQ(job.view.ViewWindow.Xmin, w.Xmin);  // the pan waits for the end of the scroll
  QApplication::processEvents();
  EXPECT_NEAR(job.view.ViewWindow.Xmin, w.Xmin + width / 5, 1e-9);
  v.triggerAction(QAbstractSlider::SliderPageStepAdd);  // down by 20: the view moves down a fifth
  QApplication::processEvents();
  EXPECT_NEAR(job.view.ViewWindow.Ymin, w.Ymin - height / 5, 1e-9);
  Trigger("Zoom Out");
  EXPECT_EQ(h.value(), 0);
  EXPECT_EQ(v.value(), 0);
  w = job.view.ViewWindow;
  h.setValue(25);
  QApplication::processEvents();
  EXPECT_NEAR(job.view.ViewWindow.Xmin, w.Xmin + (w.Xmax - w.Xmin) / 4, 1e-9);
}

bool Shows(const QImage& image, QColor colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

TEST_F(PictureAreaTest, TheMainWindowShowsTheJobInItsColours) {
  WriteTextPath();
  WriteArtwork();
  WriteToolPath();
  job.prefs.ShowToolImage = false;
  Trigger("Extents");
  QImage shot = main->grab().toImage();
  EXPECT_TRUE(Shows(shot, QColor(0, 128, 0)));      // text lines, clGreen
  EXPECT_TRUE(Shows(shot, QColor(0, 255, 255)));    // artwork, clAqua
  EXPECT_TRUE(Shows(shot, QColor(128, 128, 128)));  // tool path feeds, clGray
  EXPECT_FALSE(Shows(shot, QColor(255, 0, 255)));   // nothing is fuchsia
}

// Reddish pixels (the rapid moves' colour, blended or not) near the segment's middle third.
int RapidPixelsAlong(PictureArea& picture, double x0, double y0, double x1, double y1) {
  const QImage& image = picture.Image();
  int n = 0;
  for (double t = 0.35; t <= 0.65; t += 0.01) {
    PixelPoint p = picture.View().Window().WorldToPixel(x0 + t * (x1 - x0), y0 + t * (y1 - y0));
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        QColor c = image.pixelColor(p.x + dx, p.y + dy);
        n += c.red() > 150 && c.green() < 110 && c.blue() < 110;
      }
    }
  }
  return n;
}

// The tool starts at its first position: no rapid is drawn to it from where the text path ended.
TEST_F(PictureAreaTest, TheToolPathStartsWhereTheToolIs) {
  WriteTextPath();  // ends at (2, 1)
  WriteToolPath();  // starts with a rapid to (0, 2)
  job.prefs.ShowToolImage = false;
  Trigger("Extents");
  EXPECT_EQ(RapidPixelsAlong(Picture(), 2, 1, 0, 2), 0);
  // The last rapid, straight up from (2, 3), is a point seen from above; a drawn rapid does show.
  {
    ClWriter cl(job.paths.CLFileName);
    cl.Write(ClRapid, 0, 2, 0.1, 0);
    cl.Write(ClRapid, 2, 1, 0.1, 0);
    cl.WriteEnd();
  }
  Trigger("Refresh");
  EXPECT_GT(RapidPixelsAlong(Picture(), 0, 2, 2, 1), 0);
}

TEST_F(PictureAreaTest, ThreeDSwitchFollowsTheCheckMark) {
  WriteTextPath();
  QAction* item = main->MenuItem("3D");
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(job.view.View3D);
  item->trigger();
  EXPECT_FALSE(job.view.View3D);
}

}  // namespace
}  // namespace quill

namespace quill {
namespace {

// The pen, brush and clip the view set stay in force when the image is copied out or rebuilt, so a
// drawing under way goes on unchanged.
TEST(ScreenCanvas, StateCarriesOverCopiesAndNewSizes) {
  ScreenCanvas canvas(200, 100, 96);
  canvas.SetPen(clRed, 1, PenStyle::Solid);
  canvas.MoveTo(10, 10);
  canvas.Present();
  canvas.LineTo(100, 10);
  EXPECT_EQ(canvas.Present().pixelColor(50, 10), QColor(255, 0, 0));
  canvas.Resize(300, 150, 1);
  EXPECT_EQ(canvas.Present().size(), QSize(300, 150));
  EXPECT_EQ(canvas.Present().pixelColor(50, 10), QColor(255, 255, 255));
  canvas.SetClipRect({0, 0, 150, 150});
  canvas.Present();
  canvas.MoveTo(0, 20);
  canvas.LineTo(299, 20);
  const QImage& image = canvas.Present();
  EXPECT_EQ(image.pixelColor(100, 20), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(250, 20), QColor(255, 255, 255));  // outside the clip
}

}  // namespace
}  // namespace quill
