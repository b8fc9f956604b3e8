// Helpers of the Scan/Trace/Convert window's tests: the workshop's test setting (the main window with
// the artwork windows, modal windows answered as an operator answers them) with the raster windows
// registered, a picture in the home, the mouse on the picture at picture positions.
#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <functional>

#include "artwork/coordinate_dlg.h"
#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop_window_fixture.h"
#include "pixels/bmp.h"
#include "raster/scan_form.h"
#include "raster/trace_picture_view.h"
#include "shell/expr_field.h"

namespace quill {

class ScanFormTest : public WorkshopWindowTest {
 protected:
  ScanFormTest() {
    RegisterRasterWindows(context, main.get());
    scan = main->findChild<TScanForm*>();
    auto scripted = std::make_unique<ScriptedChoosers>();
    pictures = scripted.get();
    scan->SetChoosers(std::move(scripted));
  }

  // A white grey picture of this size in the home, its path.
  std::string WritePicture(int width = 400, int height = 300, const char* name = "picture.bmp") {
    quill::Picture p(width, height, PixelFormat::Grey8);
    for (int y = 0; y < height; ++y) std::fill(p.Row(y), p.Row(y) + width, 255);
    EXPECT_TRUE(WriteBmp(home.File(name), p));
    return home.File(name);
  }

  // The window shown without the main window's modal run, for tests of its commands.
  void ShowWithPicture(const std::string& path) {
    scan->Session().Shown();
    scan->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(scan));
    pictures->answers.push_back(path);
    Command("Open");
  }

  void Command(const char* caption) {
    QAction* a = scan->MenuItem(caption);
    ASSERT_NE(a, nullptr) << caption;
    a->trigger();
  }

  TracePictureView& View() { return scan->View(); }
  QPoint Px(double x, double y) { return View().ScreenPixel(x, y); }
  void Drag(double x1, double y1, double x2, double y2, Qt::KeyboardModifiers keys = {}) {
    QTest::mousePress(&View(), Qt::LeftButton, keys, Px(x1, y1));
    QTest::mouseMove(&View(), Px((x1 + x2) / 2, (y1 + y2) / 2));
    QTest::mouseMove(&View(), Px(x2, y2));
    QTest::mouseRelease(&View(), Qt::LeftButton, keys, Px(x2, y2));
  }
  void Click(double x, double y) { QTest::mouseClick(&View(), Qt::LeftButton, {}, Px(x, y)); }
  // A mark command waits for its click: the click comes from the event loop it runs.
  void Mark(const char* caption, double x, double y) {
    QTimer::singleShot(0, [this, x, y] { Click(x, y); });
    Command(caption);
  }

  // The scale point entered in the coordinate window.
  static void EnterScalePoint(const QString& x, const QString& y) {
    WhenModal<TCoordinateDlg>([x, y](TCoordinateDlg& d) {
      EXPECT_EQ(d.Prompt(), "Coordinates for Scaling Point");
      EXPECT_EQ(d.Field(0).text().toDouble(), 1.0);
      EXPECT_EQ(d.Field(1).text().toDouble(), 1.0);
      d.Field(0).setText(x);
      d.Field(1).setText(y);
      PressOk(d);
    });
  }

  // The job's artwork as the Art Workshop loads it.
  const std::vector<tgEntity>& Artwork() {
    LoadArtwork(job, Doc());
    return Doc().Items();
  }

  TScanForm* scan = nullptr;
  ScriptedChoosers* pictures = nullptr;
};

}  // namespace quill
