#include "stages/nc_post_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "project/profile.h"
#include "shell/expr_field.h"
#include "stage_windows_fixture.h"

namespace quill {
namespace {

constexpr const char* Machines =
    "[Machine Names]\nNUMBER=2\nMachine1=ZMILL\nMachine2=DMILL\n"
    "[DMILL]\nMTYPE=1\nM1N=Startup\nM1L1=G20\nM2N=Shutdown\nM2L1=M30\nM3N=Park\nM3L1=G28\n"
    "[ZMILL]\nMTYPE=1\nSEQOUT=0\n";

class NcPostFormTest : public testing::Test {
 protected:
  void SetUp() override {
    s.Posts(Machines);
    test::WriteFile(s.job.paths.CLFileName, " 5 0\n 1 1 2 -0.01 10\n-999\n");
  }
  StageJob s;
};

TEST_F(NcPostFormTest, ShowingListsTheMachinesAndTheDefaultMacros) {
  TNCPOSTForm form(s.job);
  form.show();
  ASSERT_EQ(form.MachineBox()->count(), 2);
  EXPECT_EQ(form.MachineBox()->itemText(0), "DMILL");
  EXPECT_EQ(form.MachineBox()->currentText(), "DMILL");
  EXPECT_EQ(form.StartupBox()->count(), 3);
  EXPECT_EQ(form.StartupBox()->currentText(), "Startup");
  EXPECT_EQ(form.ShutdownBox()->currentText(), "Shutdown");
  EXPECT_EQ(form.OutputLabel()->text(), "NONE");
  EXPECT_EQ(form.ToleranceField()->text(), "0.001");

  form.MachineBox()->setCurrentText("ZMILL");
  EXPECT_EQ(form.StartupBox()->count(), 0);
  EXPECT_EQ(form.Generator().Machine(), "ZMILL");
}

TEST_F(NcPostFormTest, StartWritesTheNcFileAndRemembersTheChoices) {
  TNCPOSTForm form(s.job);
  form.show();
  form.SetNcFileName(s.home.File("PART.TAP"));
  EXPECT_EQ(form.OutputLabel()->text().toStdString(), s.home.File("PART.TAP"));
  form.ShutdownBox()->setCurrentText("Park");
  form.ToleranceField()->selectAll();
  QTest::keyClicks(form.ToleranceField(), "0.002");
  QTest::mouseClick(form.StartButton(), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(test::ReadLines(s.home.File("PART.TAP")),
            (std::vector<std::string>{"N10G20", "N20G90", "N30G01X1.0Y2.0Z-.01F10.0", "N40G28"}));
  ProfileFile prefs(s.job.paths.IniFileName);
  EXPECT_EQ(prefs.ReadString("DEFAULTS", "DEFMCH", ""), "DMILL");
  EXPECT_EQ(prefs.ReadString("DEFAULTS", "DEFMAC2", ""), "Park");
  EXPECT_EQ(prefs.ReadString("DEFAULTS", "CHATTOL", ""), "0.002");
}

TEST_F(NcPostFormTest, ADxfNameForAMillAsksFirst) {
  TNCPOSTForm form(s.job);
  form.show();
  form.SetNcFileName(s.home.File("PART.DXF"));
  s.ui.answers = {Answer::No};
  form.StartClick();
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].buttons, unsigned{BtnYesNo});
  EXPECT_FALSE(test::FileExists(s.home.File("PART.DXF")));
  EXPECT_TRUE(form.isVisible());
}

// A Ui whose event processing presses Start again while the first run is going.
class ImpatientUi : public TestUi {
 public:
  void Pump() override {
    TestUi::Pump();
    if (!form || pressed) return;
    pressed = true;
    startEnabled = form->StartButton()->isEnabled();
    form->StartClick();
  }
  TNCPOSTForm* form = nullptr;
  bool pressed = false;
  bool startEnabled = true;
};

TEST_F(NcPostFormTest, ASecondStartDuringARunIsRefused) {
  ImpatientUi ui;
  Job job(ui);
  job.paths = s.job.paths;
  TNCPOSTForm form(job);
  form.show();
  form.SetNcFileName(s.home.File("ONCE.TAP"));
  ui.form = &form;
  form.StartClick();
  EXPECT_TRUE(ui.pressed);
  EXPECT_FALSE(ui.startEnabled);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(test::ReadLines(s.home.File("ONCE.TAP")).size(), 4u);
}

}  // namespace
}  // namespace quill
