// The picture of a real job (a sample opened, its text path and tool path made) under the operator's
// view commands: a zoom stays a zoom when the view is panned or zoomed out, the tool path starts where
// the tool does, and the 3D view shows the whole job.
#include <QScrollBar>

#include "sample_job_fixture.h"

namespace quill {
namespace {

double Width(const WorldWindow& w) {
  return w.Xmax - w.Xmin;
}

class PictureSampleJobTest : public SampleJobTest {
 protected:
  // A rubber band dragged from one corner to the other, as the operator zooms.
  void ZoomBox(QPoint from, QPoint to) {
    Trigger("Zoom");
    QTest::mousePress(&Picture(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&Picture(), to);
    QTest::mouseRelease(&Picture(), Qt::LeftButton, {}, to);
  }
};

TEST_F(PictureSampleJobTest, AZoomStaysAZoomWhenPannedOrZoomedOutWithAToolPath) {
  OpenSample("ARC.QLM");
  ASSERT_TRUE(job.flags.ToolPathCreated);
  QPoint centre = Picture().rect().center();
  double x0, y0, x1, y1;
  Picture().View().Window().PixelToWorld(centre.x() - 60, 0, x0, y0);
  Picture().View().Window().PixelToWorld(centre.x() + 60, 0, x1, y1);
  ZoomBox(centre - QPoint(60, 40), centre + QPoint(60, 40));
  WorldWindow zoomed = job.view.ViewWindow;
  EXPECT_NEAR(Width(zoomed), x1 - x0, 1e-9) << "the redraw widened the zoomed window";

  // One click on the scroll bar's right arrow moves the view by a twentieth of its width.
  main->Frame().HorizontalBar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QApplication::processEvents();
  EXPECT_NEAR(job.view.ViewWindow.Xmin, zoomed.Xmin + Width(zoomed) / 20, 1e-9);
  EXPECT_NEAR(Width(job.view.ViewWindow), Width(zoomed), 1e-9);

  WorldWindow panned = job.view.ViewWindow;
  Trigger("Zoom Out");
  EXPECT_NEAR(Width(job.view.ViewWindow), 1.5 * Width(panned), 1e-9);
}

// Columns at the picture's edges that show something of the job (any pixel that is neither the
// background nor an axis or ruler grey-white).
int JobColumnsAtEdge(const QImage& image, bool left) {
  int n = 0;
  for (int k = 0; k < 3; ++k) {
    int x = left ? k : image.width() - 1 - k;
    for (int y = 0; y < image.height(); ++y) {
      QColor c = image.pixelColor(x, y);
      n += c.saturation() > 60 && c != QColor(Qt::white);
    }
  }
  return n;
}

// The 3D view frames the whole job: nothing of it touches or crosses the picture's edges.
TEST_F(PictureSampleJobTest, TheThreeDViewShowsTheWholeJob) {
  for (const char* sample : {"SAMPLE.QLM", "ARC.QLM", "CURVE.QLM"}) {
    for (bool toolPath : {false, true}) {
      OpenSample(sample, toolPath);
      main->MenuItem("3D")->setChecked(false);
      main->MenuItem("3D")->trigger();
      ASSERT_TRUE(job.view.View3D);
      const QImage& image = Picture().Image();
      EXPECT_EQ(JobColumnsAtEdge(image, true), 0) << sample << (toolPath ? " with its tool path" : "");
      EXPECT_EQ(JobColumnsAtEdge(image, false), 0) << sample << (toolPath ? " with its tool path" : "");
      main->MenuItem("3D")->trigger();
    }
  }
}

}  // namespace
}  // namespace quill
