// The Scan/Trace/Convert window driven as an operator drives it: a picture opened, a line drawn over
// it, the three marks placed, the window left through the coordinate window and the right artwork
// line found; a click without a drag; zoom and scrolling that do not shift a line; the edit mode; the
// picture's commands; raster to vector and the main window's import of its drawing.
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QPrinter>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>

#include "raster/effects_dlg.h"
#include "raster/raster_settings_dlg.h"
#include "scan_form_fixture.h"

namespace quill {
namespace {

TEST_F(ScanFormTest, ALineAndThreeMarksBecomeTheRightArtworkLine) {
  std::string picture = WritePicture();
  bool checked = false;
  // Everything happens while the main window's command runs the window.
  WhenModal<TScanForm>([&](TScanForm& w) {
    EXPECT_EQ(&w, scan);
    pictures->answers.push_back(picture);
    Command("Open");
    ASSERT_EQ(scan->Session().Document().Image().Width(), 400);
    EXPECT_NE(pictures->asked[0].find("All Supported Picture Formats"), std::string::npos);
    EXPECT_EQ(pictures->asked[0].find("WAV"), std::string::npos);
    Drag(100, 200, 300, 200);
    Mark("Origin", 100, 200);
    Mark("-X- Axis", 200, 200);
    Mark("Scale Point", 300, 100);
    const Annotations& marks = scan->Session().Document().Marks();
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[0].kind, AnnotationKind::Line);
    EXPECT_EQ(marks[0].x1, 100);
    EXPECT_EQ(marks[0].y2, 200);
    EXPECT_EQ(marks[3].text, "S");
    EXPECT_EQ(marks[3].x1, 300);
    EXPECT_EQ(marks[3].y1, 100);
    EnterScalePoint("2.0", "1.0");
    checked = true;
    Command("Exit");
  });
  Trigger("Scan / Trace / Convert");
  ASSERT_TRUE(checked);
  EXPECT_FALSE(scan->isVisible());
  const std::vector<tgEntity>& art = Artwork();
  ASSERT_EQ(art.size(), 1u);
  ASSERT_TRUE(art[0].IsLine());
  EXPECT_NEAR(art[0].X(), 0, 1e-9);
  EXPECT_NEAR(art[0].Y(), 0, 1e-9);
  EXPECT_NEAR(art[0].XE(), 2, 1e-9);
  EXPECT_NEAR(art[0].YE(), 0, 1e-9);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_EQ(test::ReadLines(job.paths.AntFileName).size(), 4u);
}

TEST_F(ScanFormTest, AClickWithoutADragOnlyPlacesTheNextMark) {
  ShowWithPicture(WritePicture());
  Click(50, 60);
  EXPECT_TRUE(scan->Session().Document().Marks().empty());
  EXPECT_EQ(scan->Session().LastClicked(), (PicturePoint{50, 60}));
  Mark("Origin", 70, 80);
  ASSERT_EQ(scan->Session().Document().Marks().size(), 1u);
  EXPECT_EQ(scan->Session().Document().Marks()[0].x1, 70);
  EXPECT_EQ(scan->Session().Document().Marks()[0].size, 12);
  // Waiting for a mark ends with Escape or the right button, and nothing is placed.
  QTimer::singleShot(0, [this] { QTest::keyClick(&View(), Qt::Key_Escape); });
  Command("Scale Point");
  QTimer::singleShot(0, [this] { QTest::mouseClick(&View(), Qt::RightButton, {}, Px(10, 10)); });
  Command("-X- Axis");
  EXPECT_EQ(scan->Session().Document().Marks().size(), 1u);
}

TEST_F(ScanFormTest, ZoomAndScrollingDoNotShiftALine) {
  ShowWithPicture(WritePicture(1200, 900));
  Command("Reset Zoom");
  View().SetZoom(3.0);
  scan->Area().horizontalScrollBar()->setValue(700);
  scan->Area().verticalScrollBar()->setValue(900);
  QApplication::processEvents();
  Drag(400, 350, 420, 360);
  ASSERT_EQ(scan->Session().Document().Marks().size(), 1u);
  const Annotation& line = scan->Session().Document().Marks()[0];
  EXPECT_EQ(line.x1, 400);
  EXPECT_EQ(line.y1, 350);
  EXPECT_EQ(line.x2, 420);
  EXPECT_EQ(line.y2, 360);
  // A dragged box with Ctrl zooms to it; stretching fits the picture to the window and back.
  Drag(400, 300, 440, 330, Qt::ControlModifier);
  EXPECT_GT(View().Zoom(), 3.0);
  Command("Toggle Zoom/Stretch");
  EXPECT_TRUE(View().Stretched());
  Drag(100, 100, 600, 500);
  EXPECT_EQ(scan->Session().Document().Marks()[1].x2, 600);
  Command("Toggle Zoom/Stretch");
  EXPECT_FALSE(View().Stretched());
  EXPECT_EQ(View().Zoom(), 1.0);
}

TEST_F(ScanFormTest, TheEditModeMovesAndRemovesAnnotations) {
  ShowWithPicture(WritePicture());
  Drag(10, 10, 110, 10);
  EXPECT_EQ(scan->ModeButton().text(), "Drawing");
  Command("Toggle Drawing/Editing");
  EXPECT_EQ(scan->ModeButton().text(), "Editing");
  Drag(60, 11, 60, 51);
  ASSERT_EQ(scan->Session().Document().Marks().size(), 1u);
  EXPECT_EQ(scan->Session().Document().Marks()[0].y1, 50);
  View().setFocus();
  QTest::keyClick(&View(), Qt::Key_Delete);
  EXPECT_TRUE(scan->Session().Document().Marks().empty());
  scan->ModeButton().click();
  EXPECT_EQ(scan->ModeButton().text(), "Drawing");
  Command("Undo");
  EXPECT_EQ(scan->Session().Document().Marks().size(), 1u);
}

TEST_F(ScanFormTest, RotateFlipEffectsCutCopyPaste) {
  ShowWithPicture(WritePicture(40, 20));
  ui.inputs = {"abc"};
  Command("Rotate");
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "Invalid Input");
  EXPECT_EQ(ui.inputPrompts.back(), "Angle to Rotate");
  EXPECT_EQ(scan->Session().Document().Image().Width(), 40);
  ui.inputs = {"90"};
  Command("Rotate");
  EXPECT_EQ(scan->Session().Document().Image().Width(), 20);
  Command("Flip");
  WhenModal<TEffectsDlg>([](TEffectsDlg& d) {
    d.findChild<QCheckBox*>("Invert")->setChecked(true);
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Command("Effects");
  EXPECT_EQ(scan->Session().Document().Image().GreyAt(3, 3), 0);
  Command("Copy");
  EXPECT_EQ(QApplication::clipboard()->image().width(), 20);
  // (Qt Test takes the position 0, 0 for the widget's middle.)
  Drag(1, 1, 5, 5, Qt::ShiftModifier);
  Command("Cut");
  EXPECT_EQ(QApplication::clipboard()->image().width(), 5);
  EXPECT_EQ(scan->Session().Document().Image().GreyAt(2, 2), 255);
  EXPECT_EQ(scan->Session().Document().Image().GreyAt(0, 0), 0);
  QImage black(3, 3, QImage::Format_RGB888);
  black.fill(Qt::black);
  QApplication::clipboard()->setImage(black);
  Command("Paste");
  EXPECT_EQ(scan->Session().Document().Image().GreyAt(1, 1), 0);
  Command("Undo");
  EXPECT_EQ(scan->Session().Document().Image().GreyAt(1, 1), 255);
  Command("New");
  EXPECT_TRUE(scan->Session().Document().Image().Empty());
  EXPECT_TRUE(scan->Session().Document().Name().empty());
}

TEST_F(ScanFormTest, PicturesOfOtherFormatsAndDamagedOnes) {
  QImage png(30, 10, QImage::Format_RGB888);
  png.fill(QColor(200, 10, 10));
  ASSERT_TRUE(png.save(QString::fromStdString(home.File("logo.png"))));
  ShowWithPicture(home.File("logo.png"));
  EXPECT_EQ(scan->Session().Document().Image().Width(), 30);
  EXPECT_EQ(scan->Session().Document().Image().At(1, 1), (Rgb{200, 10, 10}));
  // Saving a picture read from a PNG asks for a bitmap name beside it.
  pictures->answers.push_back(home.File("logo.BMP"));
  Command("Save");
  EXPECT_NE(pictures->asked.back().find("logo.BMP"), std::string::npos);
  EXPECT_TRUE(test::FileExists(home.File("logo.BMP")));
  test::WriteFile(home.File("broken.png"), "\x89PNG\r\n\x1a\n broken");
  pictures->answers.push_back(home.File("broken.png"));
  Command("Open");
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_NE(ui.messages.back().text.find("broken.png"), std::string::npos);
  EXPECT_EQ(scan->Session().Document().Image().Width(), 30);
}

TEST_F(ScanFormTest, PrintedAtThePageCornerScaledToFit) {
  ShowWithPicture(WritePicture(200, 100));
  Drag(10, 10, 190, 90);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(home.File("picture.pdf")));
  scan->PrintTo(printer);
  EXPECT_GT(test::ReadFile(home.File("picture.pdf")).size(), 1000u);
}

TEST_F(ScanFormTest, LeavingWithoutANameOffersSaveAsAndItsCancelConvertsNothing) {
  scan->Session().Shown();
  scan->show();
  scan->Session().Document().Replace(quill::Picture(50, 50, PixelFormat::Grey8), "");
  scan->View().PictureChanged();
  Drag(1, 1, 20, 20);
  Command("Exit");
  EXPECT_NE(pictures->asked.back().find("Windows Bitmap    (BMP) |*.BMP"), std::string::npos);
  EXPECT_FALSE(scan->isVisible());
  EXPECT_FALSE(test::FileExists(job.paths.AntFileName));
  EXPECT_FALSE(job.flags.ArtworkPresent);
}

TEST_F(ScanFormTest, TheSettingsWindowKeepsItsValuesAndHasItsDefaults) {
  TRas2vecdlg& s = scan->SettingsWindow();
  WhenModal<TRas2vecdlg>([](TRas2vecdlg& d) {
    EXPECT_EQ(d.findChild<QSpinBox*>("SpinEdit2")->value(), 500);
    EXPECT_EQ(d.findChild<QSpinBox*>("SpinEdit1")->value(), 3);
    EXPECT_EQ(d.findChild<QSlider*>("TrackBar1")->maximum(), 100);
    EXPECT_TRUE(d.findChild<QCheckBox*>("CheckBox4")->isChecked());
    d.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
    d.findChild<QSlider*>("TrackBar1")->setValue(30);
    PressOk(d);
  });
  ASSERT_TRUE(s.Ask());
  EXPECT_TRUE(s.Settings().centerlines);
  EXPECT_EQ(s.Settings().noise, 30);
  WhenModal<TRas2vecdlg>([](TRas2vecdlg& d) {
    EXPECT_TRUE(d.findChild<QCheckBox*>("CheckBox2")->isChecked());
    d.findChild<QPushButton*>("Default")->click();
    EXPECT_FALSE(d.findChild<QCheckBox*>("CheckBox2")->isChecked());
    d.reject();
  });
  EXPECT_FALSE(s.Ask());
  EXPECT_TRUE(s.Settings().centerlines);
}

}  // namespace
}  // namespace quill
