#include "stages/post_setup.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>

#include "project/profile.h"
#include "stage_windows_fixture.h"

namespace quill {
namespace {

constexpr const char* Machines =
    "[Machine Names]\nNUMBER=2\nMachine1=ZMILL\nMachine2=DMILL\n"
    "[DMILL]\nMTYPE=1\nDIGL=3\nM1N=Startup\nM1L1=G20\n"
    "[ZMILL]\nMTYPE=2\nARCTYPE=1\n";

void ChooseType(TPostSetForm& form, const char* type) {
  form.TypeBox()->setCurrentText(type);
}

TEST(PostSetForm, MachineTypesEnableTheirControls) {
  StageJob s;
  s.Posts(Machines);
  TPostSetForm form(s.job);
  EXPECT_EQ(form.NameBox()->currentText(), "DMILL");
  EXPECT_FALSE(form.LatheFormatBox()->isEnabled());
  ChooseType(form, "Lathe");
  EXPECT_TRUE(form.LatheFormatBox()->isEnabled());
  EXPECT_TRUE(form.Edit("Digl")->isEnabled());

  ChooseType(form, "DXF File");
  EXPECT_EQ(form.CoordinateGroup()->title(), "DXF File Mode");
  EXPECT_EQ(form.Check("Bred")->text(), "Output 3D Dxf File");
  EXPECT_FALSE(form.Check("BmodalG")->isEnabled());
  EXPECT_FALSE(form.Edit("Digl")->isEnabled());
  EXPECT_FALSE(form.Edit("RapCode")->isEnabled());
  EXPECT_TRUE(form.CoordinateGroup()->isEnabled());

  ChooseType(form, "Mill");
  EXPECT_EQ(form.CoordinateGroup()->title(), "Coordinate Mode");
  EXPECT_FALSE(form.Edit("EdZupstr")->isEnabled());
  QTest::mouseClick(form.Check("CB3axis"), Qt::LeftButton);
  EXPECT_TRUE(form.Edit("EdZupstr")->isEnabled());
  EXPECT_TRUE(form.Edit("EdZdnstr")->isEnabled());
}

TEST(PostSetForm, ChoosingAMachineLoadsIt) {
  StageJob s;
  s.Posts(Machines);
  TPostSetForm form(s.job);
  form.show();
  form.NameBox()->setFocus();
  QTest::keyClick(form.NameBox(), Qt::Key_Down);
  EXPECT_EQ(form.NameBox()->currentText(), "ZMILL");
  EXPECT_EQ(form.TypeBox()->currentText(), "Lathe");
  EXPECT_EQ(form.ArcTypes()->checkedId(), 1);
  EXPECT_EQ(form.Edit("Rotreg")->text(), "B");  // the window's own default
}

TEST(PostSetForm, ANewMachineFromTheNameBoxIsSavedAndReloaded) {
  StageJob s;
  s.Posts(Machines);
  {
    TPostSetForm form(s.job);
    form.show();
    form.NameBox()->lineEdit()->selectAll();
    QTest::keyClicks(form.NameBox()->lineEdit(), "AMILL");
    QTest::keyClick(form.NameBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form.NameBox()->itemText(0), "AMILL");
    EXPECT_EQ(form.NameBox()->count(), 3);
    form.Edit("Digl")->setText("5");
    form.Formats()->button(2)->click();
    form.accept();
    EXPECT_EQ(form.result(), QDialog::Accepted);
  }
  ProfileFile user(s.job.paths.PostsIniFile);
  EXPECT_EQ(user.ReadString("Machine Names", "Machine1", ""), "AMILL");
  EXPECT_EQ(user.ReadString("Machine Names", "Machine3", ""), "ZMILL");
  EXPECT_EQ(user.ReadInt("Machine Names", "NUMBER", 0), 3);
  EXPECT_EQ(user.ReadString("DMILL", "M1N", ""), "Startup");  // the template keeps its macros
  EXPECT_EQ(user.ReadString("AMILL", "M1N", "none"), "none");

  TPostSetForm again(s.job);
  EXPECT_EQ(again.NameBox()->currentText(), "AMILL");
  EXPECT_EQ(again.Edit("Digl")->text(), "5");
  EXPECT_EQ(again.Formats()->checkedId(), 2);
  EXPECT_EQ(again.ListingLines().front(), "****** Settings for Machine [AMILL] *******");
}

TEST(PostSetForm, WithoutMachinesTheDesignNameIsSaved) {
  StageJob s;
  TPostSetForm form(s.job);
  EXPECT_EQ(form.NameBox()->currentText(), "Mname");
  form.accept();
  ProfileFile user(s.job.paths.PostsIniFile);
  EXPECT_EQ(user.ReadString("Machine Names", "Machine1", ""), "Mname");
  EXPECT_EQ(user.ReadInt("Mname", "MTYPE", 0), 1);
}

TEST(PostSetForm, TheListingPrintsToTheChosenPrinter) {
  StageJob s;
  s.Posts(Machines);
  TPostSetForm form(s.job);
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(s.home.File("listing.pdf")));
  form.PrintListing(printer);
  EXPECT_EQ(test::ReadFile(s.home.File("listing.pdf")).rfind("%PDF", 0), 0u);
  std::vector<std::string> lines = form.ListingLines();
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[2], "Machine Type                   : Mill");
}

TEST(PostSetForm, CancelWritesNothing) {
  StageJob s;
  s.Posts(Machines);
  TPostSetForm form(s.job);
  form.Edit("Digl")->setText("7");
  form.reject();
  EXPECT_FALSE(test::FileExists(s.job.paths.PostsIniFile));
}

}  // namespace
}  // namespace quill
