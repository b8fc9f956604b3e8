// The DXF import windows around the main window's imports: "DXF - Import" before each, remembering
// what was accepted, "DXF Import Status" during and after it, and the "Working ..." window.
#include <QCheckBox>
#include <QProgressDialog>

#include "artwork/dxf_import_options.h"
#include "artwork/dxf_status_form.h"
#include "main_window_fixture.h"
#include "records/artwork_record.h"
#include "shell/expr_field.h"
#include "shell/main_window_classes.h"
#include "workshop_window_fixture.h"

namespace quill {
namespace {

class DxfImportWindowsTest : public WorkshopWindowTest {
 protected:
  DxfImportWindowsTest() : status(*main->findChild<DxfStatusForm*>()) {}

  // A drawing of n lines, each one unit long, one above the other.
  std::string WriteDrawing(const char* name, int n) {
    std::string dxf = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < n; ++i) {
      dxf += "0\nLINE\n8\n0\n10\n0\n20\n" + std::to_string(i) + "\n11\n1\n21\n" + std::to_string(i) + "\n";
    }
    dxf += "0\nENDSEC\n0\nEOF\n";
    std::string path = home.File(name);
    test::WriteFile(path, dxf);
    return path;
  }
  void Import(const std::string& path) {
    choosers->answers = {path};
    Trigger("Import-Artwork");
  }
  size_t ArtworkLines() { return test::ReadLines(job.paths.ArtFileName).size(); }

  DxfStatusForm& status;
};

TEST_F(DxfImportWindowsTest, TheOptionsAreAskedBeforeEachImportAndRemembered) {
  std::string drawing = WriteDrawing("LINES.DXF", 2);
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) {
    EXPECT_EQ(d.windowTitle(), "DXF - Import");
    EXPECT_EQ(d.Tolerance().text(), "0.005");
    EXPECT_FALSE(d.ArcFit().isChecked());
    EXPECT_TRUE(d.Replace().isChecked());
    EXPECT_TRUE(d.Replace().isEnabled());
    TypeInto(d.Tolerance(), "0.01");
    d.ArcFit().setChecked(true);
    d.Replace().setChecked(false);
    PressOk(d);
  });
  Import(drawing);
  EXPECT_EQ(ArtworkLines(), 2u);

  // The next import starts from what was accepted; Cancel imports nothing and forgets what was typed.
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) {
    EXPECT_EQ(d.Tolerance().text(), "0.01000");  // evaluated when it was left
    EXPECT_TRUE(d.ArcFit().isChecked());
    EXPECT_FALSE(d.Replace().isChecked());
    TypeInto(d.Tolerance(), "0.5");
    d.reject();
  });
  Import(drawing);
  EXPECT_EQ(ArtworkLines(), 2u);

  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) {
    EXPECT_EQ(d.Tolerance().text(), "0.01000");
    PressOk(d);
  });
  Import(drawing);
  EXPECT_EQ(ArtworkLines(), 4u);  // appended: Replace Existing Artwork stayed off
  EXPECT_EQ(main->findChild<TDxfImportDlg*>()->Options().CUTTOL, "0.01000");
}

TEST_F(DxfImportWindowsTest, TheStatusWindowShowsTheImportWhileItRunsAndAfter) {
  std::string drawing = WriteDrawing("MANY.DXF", 5000);
  // What the status window shows the first time the import lets the windows breathe.
  bool seen = false, closeEnabled = true;
  QString fileShown;
  QTimer watch;
  watch.setInterval(0);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (seen || !status.isVisible()) return;
    seen = true;
    closeEnabled = status.CloseButton().isEnabled();
    fileShown = status.Shown("File Name :");
  });
  watch.start();
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) { PressOk(d); });
  Import(drawing);
  watch.stop();
  EXPECT_TRUE(seen);
  EXPECT_FALSE(closeEnabled);
  EXPECT_EQ(fileShown.toStdString(), drawing);

  EXPECT_TRUE(status.isVisible());  // it stays open afterwards
  EXPECT_EQ(status.windowTitle(), "DXF Import Status");
  EXPECT_TRUE(status.CloseButton().isEnabled());
  EXPECT_EQ(status.Shown("DXF Version :"), "Rev 2000");
  EXPECT_EQ(status.Shown("Lines:"), "5000");
  EXPECT_EQ(status.Shown("Arcs:"), "0");
  EXPECT_EQ(status.Shown("Blocks:"), "N/A");
  EXPECT_EQ(status.Shown("Current Operation: "), "Processing Complete !!");
  EXPECT_TRUE(status.Messages().contains("Processing Complete !!"));
  EXPECT_TRUE(status.Messages().contains("Unix Format File"));
  status.CloseButton().click();
  EXPECT_FALSE(status.isVisible());
}

TEST_F(DxfImportWindowsTest, ABinaryDrawingIsExplainedInTheStatusWindow) {
  std::string path = home.File("BINARY.DXF");
  test::WriteFile(path, "AutoCAD Binary DXF\r\n");
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) { PressOk(d); });
  Import(path);
  EXPECT_TRUE(status.Messages().contains("Binary DXF Files are Not Supported"));
  EXPECT_TRUE(status.Messages().contains("Standard ASCII DXF format is required"));
  EXPECT_TRUE(status.CloseButton().isEnabled());
  EXPECT_FALSE(job.flags.ArtworkPresent);
  // The next import starts the window afresh.
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) { PressOk(d); });
  Import(WriteDrawing("ONE.DXF", 1));
  EXPECT_FALSE(status.Messages().contains("Binary DXF Files are Not Supported"));
  EXPECT_EQ(status.Shown("Lines:"), "1");
}

TEST_F(DxfImportWindowsTest, ATracedDrawingComesInWithoutTheOptionsButWithTheStatus) {
  context.windows.Register(window_class::ScanTrace, [](QWidget*) { return static_cast<int>(QDialog::Accepted); });
  std::string traced = WriteDrawing("QP2008R2V.DXF", 3);
  Trigger("Scan / Trace / Convert");
  EXPECT_EQ(ArtworkLines(), 3u);
  EXPECT_TRUE(status.isVisible());
  EXPECT_EQ(status.Shown("File Name :").toStdString(), traced);
  EXPECT_EQ(status.Shown("Lines:"), "3");
}

TEST_F(DxfImportWindowsTest, ADrawingNamedOnTheCommandLineIsAskedAboutToo) {
  std::string drawing = WriteDrawing("ARG.DXF", 2);
  bool asked = false;
  WhenModal<TDxfImportDlg>([&asked](TDxfImportDlg& d) {
    asked = true;
    PressOk(d);
  });
  DxfImportWindows windows = main->DxfWindows();
  ProcessCommandLine(job, {drawing}, &windows);
  EXPECT_TRUE(asked);
  EXPECT_EQ(ArtworkLines(), 2u);
  EXPECT_EQ(status.Shown("Lines:"), "2");
}

TEST(WorkingWindow, TheUnixTranslationShowsItsPercentage) {
  QtUi ui;
  ui.ProgressBegin("Unix File Translation", 100);
  QTest::qWait(400);  // the window shows once the work has taken a moment
  EXPECT_TRUE(ui.ProgressStep(40));
  QProgressDialog* working = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) working = d;
  }
  ASSERT_NE(working, nullptr);
  EXPECT_EQ(working->windowTitle(), "Working ...");
  EXPECT_EQ(working->labelText(), "Unix File Translation");
  EXPECT_EQ(working->value(), 40);
  working->cancel();
  EXPECT_FALSE(ui.ProgressStep(50));
  ui.ProgressEnd();
}

}  // namespace
}  // namespace quill
