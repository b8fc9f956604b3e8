// Raster to vector and scanning from the Scan/Trace/Convert window: the vectorizer beside the program
// traces the picture, leaving the window converts no hand-drawn line, and the main window imports the
// drawing with its DXF status window; scanning through SANE's test backend, and no scanner at all.
#include <QCheckBox>
#include <QListWidget>
#include <QSpinBox>
#include <cstdlib>

#include "artwork/dxf_status_form.h"
#include "raster/raster_settings_dlg.h"
#include "raster/scanner_dlg.h"
#include "scan_form_fixture.h"

namespace quill {
namespace {

// A black cross on white: centre lines give its four arms.
std::string WriteCross(const std::string& path) {
  quill::Picture p(160, 120, PixelFormat::Grey8);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) {
      bool ink = (y >= 56 && y < 64 && x >= 20 && x < 140) || (x >= 76 && x < 84 && y >= 10 && y < 110);
      p.SetGrey(x, y, ink ? 0 : 255);
    }
  }
  EXPECT_TRUE(WriteBmp(path, p));
  return path;
}

TEST_F(ScanFormTest, RasterToVectorThenTheMainWindowImportsTheDrawing) {
  std::string vectorizer = test::BinaryDir() + "/quill-vectorize";
  ASSERT_TRUE(test::FileExists(vectorizer)) << "build quill-vectorize first";
  test::WriteFile(job.paths.IniFileName, "[DEFAULTS]\r\nVECTORIZER=" + vectorizer + "\r\n");
  std::string picture = WriteCross(home.File("cross.bmp"));
  bool ran = false;
  WhenModal<TScanForm>([&](TScanForm&) {
    pictures->answers.push_back(picture);
    Command("Open");
    Drag(10, 10, 150, 10);  // a hand-drawn line, which this run leaves alone
    WhenModal<TRas2vecdlg>([](TRas2vecdlg& d) {
      d.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
      PressOk(d);
    });
    Command("Raster to Vector");
    ran = scan->Session().RasterToVectorDone();
    EXPECT_NE(scan->StatusText().indexOf("imported when you leave"), -1);
    Command("Exit");
  });
  Trigger("Scan / Trace / Convert");
  ASSERT_TRUE(ran) << (ui.messages.empty() ? "" : ui.messages.back().text);
  EXPECT_EQ(test::ReadLines(job.paths.VectorizerParams).at(6), "-centerline lines");
  EXPECT_FALSE(test::FileExists(job.paths.AntFileName));
  const std::vector<tgEntity>& art = Artwork();
  EXPECT_EQ(art.size(), 4u);
  for (const tgEntity& e : art) EXPECT_TRUE(e.IsLine());
  EXPECT_TRUE(job.flags.ArtworkPresent);
  auto* status = main->findChild<DxfStatusForm*>();
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->isVisible());
}

class ScanningTest : public ScanFormTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::FileExists("/usr/bin/scanimage")) << "install sane-utils (scripts/deps.sh --tests)";
    ASSERT_TRUE(test::FileExists("/etc/sane.d/test.conf")) << "install libsane1 (SANE's test backend)";
    test::WriteFile(sane.File("test.conf"), test::ReadFile("/etc/sane.d/test.conf"));
    ::setenv("SANE_CONFIG_DIR", sane.path().c_str(), 1);
    scan->Session().Shown();
    scan->show();
  }
  void TearDown() override { ::unsetenv("SANE_CONFIG_DIR"); }
  void Backends(const std::string& names) const { test::WriteFile(sane.File("dll.conf"), names + "\n"); }

  test::TempDir sane;
};

TEST_F(ScanningTest, TheChosenScannerScansIntoTheWindow) {
  Backends("test");
  WhenModal<TScannerDlg>([](TScannerDlg& d) {
    ASSERT_EQ(d.Devices().count(), 2);
    EXPECT_NE(d.Devices().item(1)->text().indexOf("test:1"), -1);
    d.Devices().setCurrentRow(1);
    d.findChild<QSpinBox*>("Resolution")->setValue(40);
    PressOk(d);
  });
  Command("Scan");
  const quill::Picture& scanned = scan->Session().Document().Image();
  ASSERT_FALSE(scanned.Empty()) << (ui.messages.empty() ? "" : ui.messages.back().text);
  EXPECT_TRUE(scan->Session().Document().Name().empty());
  EXPECT_EQ(ReadScanSettings(job).device, "test:1");
  // The scanner chosen is used again without asking.
  int width = scanned.Width();
  Command("Scan");
  EXPECT_EQ(scan->Session().Document().Image().Width(), width);
}

TEST_F(ScanningTest, NoScannerIsSaid) {
  Backends("");
  Command("Select Scanner");
  Command("Scan");
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[0].text.find("No scanner was found"), std::string::npos);
  EXPECT_TRUE(scan->Session().Document().Image().Empty());
}

}  // namespace
}  // namespace quill
