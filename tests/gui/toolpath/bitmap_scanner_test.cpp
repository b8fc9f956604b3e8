// "3D Bitmap Scanner": pictures loaded in Qt's formats and pasted, kept as 3DSCAN.BMP and back the next
// time, zoom, the refusals of OK, and the relief cut from the tool path dialog, the same file
// `quill run --source bitmap-scan` writes.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

#include "operator_input.h"
#include "pixels/bmp.h"
#include "shell/expr_field.h"
#include "stages/toolpath/bitmap_scan_dlg.h"
#include "stages/toolpath/scan_picture_view.h"
#include "toolpath/toolpath_choices.h"
#include "toolpath_windows_fixture.h"

namespace quill {
namespace {

class BitmapScannerTest : public ToolPathWindowsTest {
 protected:
  BitmapScannerTest() {
    // A grey ramp, black at the left to white at the right, as a PNG.
    QImage ramp(20, 10, QImage::Format_Grayscale8);
    for (int y = 0; y < ramp.height(); ++y) {
      for (int x = 0; x < ramp.width(); ++x) ramp.scanLine(y)[x] = static_cast<uchar>(x * 255 / 19);
    }
    EXPECT_TRUE(ramp.save(QString::fromStdString(png), "PNG"));
    Scanner()->SetFileChooser([this](QWidget*) { return chosen; });
  }
  TDlgBitscan* Scanner() { return Find<TDlgBitscan>("TDlgBitscan"); }
  // The area of a 1 x 0.5 relief at 0.05 steps.
  static void TypeArea(TDlgBitscan* d) {
    Type(d->Field("Xmax"), "1");
    Type(d->Field("Ymax"), "0.5");
    Type(d->Field("Xstep"), "0.05");
    Type(d->Field("Ystep"), "0.05");
  }

  std::string png = s.home.File("ramp.png");
  std::string chosen = png;
};

TEST_F(BitmapScannerTest, ALoadedPictureIsKeptAndComesBackTheNextTime) {
  TDlgBitscan* d = Scanner();
  d->show();
  EXPECT_EQ(d->SizeLabel()->text(), "No picture");
  Click(d, "BitBtn1");
  EXPECT_EQ(d->SizeLabel()->text(), "20 x 10 pixels");
  PictureRead kept = ReadBmp(s.job.paths.ScanBitmapFile);
  ASSERT_TRUE(kept.Ok()) << kept.error;
  EXPECT_EQ(kept.picture.Format(), PixelFormat::Grey8);
  EXPECT_EQ(kept.picture.GreyAt(19, 3), 255);
  d->hide();

  TDlgBitscan again(s.job);
  again.show();
  EXPECT_EQ(again.ScanPicture().Width(), 20);
  EXPECT_EQ(again.SizeLabel()->text(), "20 x 10 pixels");

  chosen = s.home.File("missing.png");
  Click(d, "BitBtn1");
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_NE(s.ui.messages[0].text.find("missing.png"), std::string::npos);
  EXPECT_EQ(d->ScanPicture().Width(), 20);
}

TEST_F(BitmapScannerTest, APastedPictureIsTakenInColourAndAnEmptyClipboardSaysSo) {
  TDlgBitscan* d = Scanner();
  d->show();
  QApplication::clipboard()->setMimeData(new QMimeData);
  Click(d, "BitBtn2");
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"The Clipboard Holds No Picture"});
  QImage red(4, 3, QImage::Format_RGB32);
  red.fill(QColor(200, 10, 10));
  QApplication::clipboard()->setImage(red);
  Click(d, "BitBtn2");
  EXPECT_EQ(d->ScanPicture().Format(), PixelFormat::Rgb24);
  EXPECT_EQ(d->ScanPicture().At(3, 2), (Rgb{200, 10, 10}));
  EXPECT_EQ(ReadBmp(s.job.paths.ScanBitmapFile).picture.Width(), 4);
}

TEST_F(BitmapScannerTest, ThePictureZoomsInStepsAndToADraggedBox) {
  TDlgBitscan* d = Scanner();
  d->show();
  Click(d, "BitBtn1");
  ScanPictureView* view = d->View();
  view->ZoomToBox({0, 0, 0, 0});  // a click is no box
  int fit = view->Zoom();
  Click(d, "ZoomIn");
  EXPECT_EQ(view->Zoom(), fit + 10);
  Click(d, "ZoomOut");
  Click(d, "ZoomOut");
  EXPECT_EQ(view->Zoom(), fit - 10);
  QWidget* picture = view->widget();
  QTest::mousePress(picture, Qt::RightButton, {}, {2, 2});
  QTest::mouseMove(picture, {12, 8});
  QTest::mouseRelease(picture, Qt::RightButton, {}, {12, 8});
  EXPECT_GT(view->Zoom(), fit);
}

TEST_F(BitmapScannerTest, OkRefusesStepsOfZeroAndAMissingPicture) {
  TDlgBitscan* d = Scanner();
  d->show();
  Press(d, QDialogButtonBox::Ok);
  EXPECT_TRUE(d->isVisible());
  Click(d, "BitBtn1");
  Type(d->Field("Ystep"), "0");
  Press(d, QDialogButtonBox::Ok);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(s.ui.Texts(), (std::vector<std::string>{"Cannot Process 3D Bitmap Scan, No Picture Has Been Loaded",
                                                    "3D Bitmap Scan Stepovers Must be Greater Than Zero"}));
}

TEST_F(BitmapScannerTest, TheReliefFromTheToolPathDialogIsTheToolboxs) {
  WhenShown("TDlgBitscan", [](QDialog* w) {
    auto* d = static_cast<TDlgBitscan*>(w);
    Click(d, "BitBtn1");
    TypeArea(d);
    d->InvertBox()->click();
    Press(d, QDialogButtonBox::Ok);
  });
  RunToolPath("3D Bitmap Scan");
  ASSERT_TRUE(s.job.flags.ToolPathCreated) << ::testing::PrintToString(s.ui.Texts());
  const std::vector<std::string> desktop = Cl();
  EXPECT_GT(desktop.size(), 100u);

  ToolPathChoices choices;
  choices.source = ToolPathSource::BitmapScan;
  choices.scanArea = {0, 0, 1, 0.5, 0.05, 0.05, true, false};
  ASSERT_TRUE(GenerateChosenToolPath(s.job, choices));
  EXPECT_EQ(Cl(), desktop);
}

TEST_F(BitmapScannerTest, CancelInTheScannerCutsNothing) {
  WhenShown("TDlgBitscan", [](QDialog* d) { Press(d, QDialogButtonBox::Cancel); });
  RunToolPath("3D Bitmap Scan");
  std::vector<std::string> cl = Cl();
  ASSERT_EQ(cl.size(), 2u);
  EXPECT_EQ(cl[0].substr(0, 2), "5 ");
  EXPECT_EQ(cl[1], "-999");
  EXPECT_FALSE(test::FileExists(s.job.paths.ScanBitmapFile));
}

}  // namespace
}  // namespace quill
