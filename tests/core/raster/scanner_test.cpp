// Scanning through SANE's scanimage with SANE's "test" backend: the devices it lists, a scan read into
// a picture, no scanner at all, and no scanimage.
#include "raster/scanner.h"

#include <cstdlib>

#include "raster_fixture.h"

namespace quill {
namespace {

class ScannerTest : public RasterTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::FileExists("/usr/bin/scanimage")) << "install sane-utils (scripts/deps.sh --tests)";
    ASSERT_TRUE(test::FileExists("/etc/sane.d/test.conf")) << "install libsane1 (SANE's test backend)";
  }
  // SANE reads its configuration from this folder: dll.conf names the backends to load.
  void Backends(const std::string& names) {
    test::WriteFile(sane.File("dll.conf"), names + "\n");
    test::WriteFile(sane.File("test.conf"), test::ReadFile("/etc/sane.d/test.conf"));
    ::setenv("SANE_CONFIG_DIR", sane.path().c_str(), 1);
  }
  void TearDown() override { ::unsetenv("SANE_CONFIG_DIR"); }

  test::TempDir sane;
};

TEST_F(ScannerTest, TheTestBackendIsListedAndScanned) {
  Backends("test");
  ScanSettings settings;
  ScannerList list = ListScanners(ui, settings);
  ASSERT_TRUE(list.ok);
  ASSERT_EQ(list.devices.size(), 2u);
  EXPECT_EQ(list.devices[0].name, "test:0");
  EXPECT_EQ(list.devices[0].Label(), "Noname frontend-tester (virtual device) - test:0");
  settings.device = "test:1";
  settings.resolution = 50;
  settings.mode = "Color";
  Picture scanned = Scan(ui, settings, home.File("SCAN.TIF"));
  ASSERT_FALSE(scanned.Empty()) << (ui.messages.empty() ? "" : ui.messages[0].text);
  EXPECT_EQ(scanned.Format(), PixelFormat::Rgb24);
  EXPECT_GT(scanned.Width(), 100);
  EXPECT_FALSE(test::FileExists(home.File("SCAN.TIF")));
  EXPECT_EQ(ui.progressBegun, 1);
}

TEST_F(ScannerTest, NoScannerIsSaidPlainly) {
  Backends("");
  ScannerList list = ListScanners(ui, {});
  EXPECT_TRUE(list.ok);
  EXPECT_TRUE(list.devices.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("No scanner was found"), std::string::npos);
}

TEST_F(ScannerTest, AScanThatFailsIsSaid) {
  Backends("test");
  ScanSettings settings;
  settings.device = "test:9";
  EXPECT_TRUE(Scan(ui, settings, home.File("SCAN.TIF")).Empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("The scan failed"), std::string::npos);
}

TEST_F(ScannerTest, WithoutScanimageTheOperatorIsToldWhatToInstall) {
  ScanSettings settings;
  settings.program = home.File("scanimage");
  EXPECT_FALSE(ListScanners(ui, settings).ok);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("sane-utils"), std::string::npos);
}

TEST_F(ScannerTest, TheChoiceIsKept) {
  ScanSettings s;
  s.device = "test:1";
  s.resolution = 600;
  s.mode = "Lineart";
  WriteScanSettings(job, s);
  ScanSettings back = ReadScanSettings(job);
  EXPECT_EQ(back.device, "test:1");
  EXPECT_EQ(back.resolution, 600);
  EXPECT_EQ(back.mode, "Lineart");
  EXPECT_EQ(ParseScannerList("junk\nx\ty\tz\tw\n\tno\tname\there\n").size(), 1u);
}

}  // namespace
}  // namespace quill
