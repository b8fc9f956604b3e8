// The main window as the README shows it: the arc sample generated with its tool path.  The picture is
// written to the build folder on every run; with QUILL_UPDATE_SCREENSHOT=1 it replaces
// docs/main-window.png.
#include <QToolBar>
#include <cstdlib>

#include "sample_job_fixture.h"

namespace quill {
namespace {

// Pixels of about this colour: smooth lines blend their edges into the background.
int PixelsNear(const QImage& image, QColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) < 60;
    }
  }
  return n;
}

TEST_F(SampleJobTest, TheMainWindowWithAGeneratedJob) {
  main->resize(1280, 800);
  QApplication::processEvents();
  OpenSample("ARC.QLM");
  QApplication::processEvents();
  QImage shot = main->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(1280, 800) * main->devicePixelRatioF());
  EXPECT_GT(PixelsNear(shot, QColor(0x80, 0x80, 0x80)), 500);  // the tool path, over the letters
  EXPECT_GT(PixelsNear(shot, QColor(0xFF, 0x00, 0x00)), 200);  // rapid moves between the letters
  EXPECT_EQ(main->findChild<QToolBar*>("ButtonBar")->actions().size(), 16);

  std::string built = test::BinaryDir() + "/main-window.png";
  EXPECT_TRUE(shot.save(QString::fromStdString(built)));
  if (std::getenv("QUILL_UPDATE_SCREENSHOT")) {
    EXPECT_TRUE(shot.save(QString::fromStdString(test::SourceDir() + "/docs/main-window.png")));
  }
}

}  // namespace
}  // namespace quill
