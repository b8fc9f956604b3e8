// The workshop's small windows and its commands that need them: Edit Entity Properties, the
// information window, the clipboard, DXF export, DXF symbols with their two windows, and help.
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>

#include "artwork/dxf_import_options.h"
#include "artwork/dxf_status_form.h"
#include "artwork/edit_properties_dlg.h"
#include "artwork/information_form.h"
#include "artwork/symbol_dlg.h"
#include "artwork/workshop/clipboard.h"
#include "shell/expr_field.h"
#include "shell/help_window.h"
#include "workshop_window_fixture.h"

namespace quill {
namespace {

class WorkshopWindowsTest : public WorkshopWindowTest {
 protected:
  WorkshopWindowsTest() {
    WriteArtwork();  // one line from (-1, -1) to (3, -1)
    OpenWorkshop();
  }
  void WriteDxfLine(const std::string& path, double x1, double x2) {
    test::WriteFile(path, "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n" + std::to_string(x1) + "\n20\n0\n11\n" +
                              std::to_string(x2) + "\n21\n0\n0\nENDSEC\n0\nEOF\n");
  }
};

TEST_F(WorkshopWindowsTest, PropertiesOfAClickedLineAreTypedOver) {
  Click(1, -1);
  ASSERT_EQ(Doc().SelectedCount(), 1u);
  EXPECT_EQ(Doc().lastPicked, 0);
  WhenModal<TEditPropertiesDlg>([](TEditPropertiesDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Edit Entity Properties");
    ASSERT_NE(d.Field("-X- Start"), nullptr);
    EXPECT_EQ(d.Field("-X- Start")->text(), "-1.000000000000000");
    EXPECT_EQ(d.Field("Radius"), nullptr);
    EXPECT_FALSE(d.CounterClockwise().isVisible());
    EXPECT_EQ(d.Information(), QStringList({"Length    :  4.000000000000000", "Angle     :  0.000000000000000"}));
    TypeInto(*d.Field("-X- End"), "5");
    PressOk(d);
  });
  Command("Properties");
  EXPECT_DOUBLE_EQ(Doc().At(0).XE(), 5);
  EXPECT_TRUE(Doc().At(0).IsLine());
}

TEST_F(WorkshopWindowsTest, AFieldThatIsNoNumberKeepsThePropertiesWindowOpen) {
  Command("Select ALL");
  WhenModal<TEditPropertiesDlg>([this](TEditPropertiesDlg& d) {
    TypeInto(*d.Field("-Y- End"), "abc");
    PressOk(d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(ui.Texts().empty());
    d.reject();
  });
  Command("Properties");
  EXPECT_DOUBLE_EQ(Doc().At(0).YE(), -1);
  EXPECT_FALSE(Doc().CanRedo());
}

TEST_F(WorkshopWindowsTest, AnArcsDirectionIsItsCheckBox) {
  test::WriteFile(job.paths.ArtFileName, "2 0.0 0.0 1.0 0.0 1.5707963268\r\n");
  ui.answers = {Answer::No};
  workshop->close();
  OpenWorkshop();
  Command("Select ALL");
  WhenModal<TEditPropertiesDlg>([](TEditPropertiesDlg& d) {
    EXPECT_TRUE(d.Field("End Angle")->text().startsWith("90.00000000"));  // degrees, from 10-decimal radians
    EXPECT_TRUE(d.CounterClockwise().isVisible());
    EXPECT_FALSE(d.CounterClockwise().isChecked());
    d.CounterClockwise().setChecked(true);
    PressOk(d);
  });
  Command("Properties");
  EXPECT_TRUE(Doc().At(0).IsCCW());
}

TEST_F(WorkshopWindowsTest, TheInformationWindowFollowsTheDrawing) {
  workshop->Button("Information")->trigger();
  TArtInfoForm& info = workshop->InformationWindow();
  EXPECT_TRUE(info.isVisible());
  EXPECT_EQ(info.Value("Number of Lines  :"), "1");
  EXPECT_EQ(info.Value("Total Length :"), "4.000000000000000");
  EXPECT_EQ(info.Value("Minimum -X-  :"), "-1.000000000000000");
  Command("Line");
  Drag(0, 0, 2, 2);
  RightClick();
  EXPECT_EQ(info.Value("Number of Lines  :"), "2");
  EXPECT_EQ(info.Value("Total Lines / Arcs :"), "2");
  ui.answers = {Answer::No};
  workshop->close();
  EXPECT_FALSE(info.isVisible());
}

TEST_F(WorkshopWindowsTest, CopyAndPasteAtAPickedOrigin) {
  Command("Select ALL");
  Command("Copy");
  QString copied = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith(ClipboardMarker)) << copied.toStdString();
  EXPECT_TRUE(test::FileExists(home.File(ClipFileName)));
  Command("Paste");
  EXPECT_EQ(workshop->PromptText(), "Select Origin for Paste");
  Click(5, 5);
  ASSERT_EQ(Doc().Size(), 2u);
  const tgEntity& pasted = Doc().At(1);
  // The copy is centred on the origin: the line of length 4 runs 2 either side of the click.
  EXPECT_NEAR(pasted.XE() - pasted.X(), 4, 1e-9);
  EXPECT_NEAR((pasted.X() + pasted.XE()) / 2, 5, 0.1);
  EXPECT_NEAR(pasted.Y(), 5, 0.1);
  EXPECT_EQ(workshop->PromptText(), "");

  // Cut takes the selection away; with no text on the system clipboard, clip.txt is pasted.
  Command("Select ALL");
  Command("Cut");
  EXPECT_EQ(Doc().Size(), 0u);
  QGuiApplication::clipboard()->clear();
  Command("Paste");
  Click(0, 0);
  EXPECT_EQ(Doc().Size(), 2u);

  // A text without the marker pastes nothing.
  QGuiApplication::clipboard()->setText("Line X0 Y0 Z0 XE1 YE1 ZE0");
  Command("Paste");
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Pick);
}

TEST_F(WorkshopWindowsTest, DxfExportWritesTheDrawing) {
  std::string out = home.File("OUT.DXF");
  files->answers = {out};
  Command("DXF Export");
  ASSERT_FALSE(files->asked.empty());
  EXPECT_EQ(files->asked.back().rfind("DXF Files (*.DXF)|*.DXF", 0), 0u);
  std::string dxf = test::ReadFile(out);
  EXPECT_NE(dxf.find("LINE"), std::string::npos);
  EXPECT_NE(dxf.find("3.00000000"), std::string::npos);
}

TEST_F(WorkshopWindowsTest, ADxfSymbolIsPlacedWhereTheSymbolWindowSays) {
  std::string symbol = home.File("SYMBOL.DXF");
  WriteDxfLine(symbol, 0, 1);
  files->answers = {symbol};
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) {
    EXPECT_EQ(d.windowTitle(), "DXF - Import");
    EXPECT_FALSE(d.Replace().isEnabled());  // a symbol never replaces the artwork
    PressOk(d);
  });
  WhenModal<TSymbolDlg>([](TSymbolDlg& d) {
    EXPECT_EQ(d.Field(3).text(), "1.0000");
    TypeInto(d.Field(0), "10");
    TypeInto(d.Field(2), "90");
    TypeInto(d.Field(3), "2");
    PressOk(d);
  });
  Command("DXF Symbol");
  ASSERT_EQ(Doc().Size(), 2u);
  const tgEntity& placed = Doc().At(1);
  EXPECT_NEAR(placed.X(), 10, 1e-9);
  EXPECT_NEAR(placed.XE(), 10, 1e-9);
  EXPECT_NEAR(placed.YE(), 2, 1e-9);
  DxfStatusForm* status = main->findChild<DxfStatusForm*>();
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->isVisible());
  EXPECT_EQ(status->Shown("Lines:"), "1");
  // The artwork file is untouched until the workshop saves.
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName).size(), 1u);
}

TEST_F(WorkshopWindowsTest, ASymbolThatCannotBeReadChangesNothing) {
  files->answers = {home.File("MISSING.DXF")};
  WhenModal<TDxfImportDlg>([](TDxfImportDlg& d) { PressOk(d); });
  Command("DXF Symbol");
  EXPECT_EQ(Doc().Size(), 1u);
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_NE(ui.Texts().back().find("DXF Symbol Could Not be Imported"), std::string::npos);
}

TEST_F(WorkshopWindowsTest, SelectChainWantsOneStartingEntity) {
  Command("Select Chain");
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(ui.Texts().back(), "First Select a Single Starting Entity");
  Command("Box");
  Drag(5, 5, 7, 7);
  RightClick();
  Click(6, 5);  // the box's lower side
  ASSERT_EQ(Doc().SelectedCount(), 1u);
  Activate(*workshop);
  QTest::keyClick(workshop, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Doc().SelectedCount(), 4u);
  EXPECT_FALSE(Doc().At(0).Selected());
}

TEST_F(WorkshopWindowsTest, CirclesAndCurvesAreDrawnWithClicks) {
  Command("Arc");
  Click(0, 0);
  MoveMouse(0.5, 0);
  Click(2, 0);
  RightClick();
  ASSERT_EQ(Doc().Size(), 2u);
  EXPECT_TRUE(Doc().At(1).IsArc());
  EXPECT_NEAR(Doc().At(1).R(), 2, 0.1);
  Command("Curve");
  EXPECT_EQ(workshop->PromptText(), "Select Curve Points, Right Mouse Botton When Done");
  Click(0, 0);
  Click(1, 2);
  Click(2, 0);
  RightClick();
  EXPECT_EQ(Doc().Size(), 2u + 49u);
}

TEST_F(WorkshopWindowsTest, HelpOpensTheWorkshopsPage) {
  Command("Help On Art Workshop");
  HelpWindow* help = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible()) help = h;
  }
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->CurrentPage(), "Art_Workshop");
  help->close();
}

}  // namespace
}  // namespace quill
