#include "text/serial_numbers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "dialogs_test_support.h"
#include "records/textpath_record.h"

namespace quill {
namespace {

class SerialNumbersTest : public DialogTest {
 protected:
  SerialNumbersTest() {
    job.settings.SNUMSTART = "8";
    job.settings.SNUMEND = "10";
    job.settings.SNUMDIG = "3";
    job.settings.SNUMPREFIX = "SN";
    dialog.SetTextPathGenerator([this](Job& j) {
      texts.push_back(j.text.at(0));
      TextPathWriter out(j.paths.TextPathFileName);
      out.Write(TpMove, 0, 0, 0);
      out.Write(TpLine, 0, 1, 0);
      j.flags.TextPathGenerated = true;
      return out.Close();
    });
  }
  QSpinBox* Spin(const char* name) { return Find<QSpinBox>(dialog, name); }

  TSerialNumDlg dialog{job};
  std::vector<std::string> texts;
};

TEST_F(SerialNumbersTest, FieldsAreTheSerialSettings) {
  ShowActive(dialog);
  EXPECT_EQ(dialog.windowTitle(), "Engrave Serial Numbers");
  EXPECT_EQ(Spin("SNUMSTART")->value(), 8);
  EXPECT_TRUE(Find<QRadioButton>(dialog, "Zeros")->isChecked());
  EXPECT_EQ(Find<QPlainTextEdit>(dialog, "between")->toPlainText(), "M00");
  Spin("SNUMINC")->setValue(5);
  EXPECT_EQ(job.settings.SNUMINC, "5");
  Find<QLineEdit>(dialog, "SNUMSUFFIX")->setText("-A");
  EXPECT_EQ(job.settings.SNUMSUFFIX, "-A");

  // Leaving the start number raises the smallest end number to start + increment.
  Spin("SNUMSTART")->setFocus();
  Spin("SNUMSTART")->setValue(20);
  QTest::keyClick(Spin("SNUMSTART"), Qt::Key_Tab);
  EXPECT_EQ(Spin("SNUMEND")->minimum(), 25);
  EXPECT_EQ(job.settings.SNUMEND, "25");
}

TEST_F(SerialNumbersTest, ToolPathDialogCancelledRunsNothing) {
  int asked = 0;
  dialog.SetToolPathAsker([&] {
    ++asked;
    return std::optional<ToolPathRun>{};
  });
  ShowActive(dialog);
  Find<QPushButton>(dialog, "OK")->click();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(texts.empty());
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SerialNumbersTest, OkEngravesEveryNumberAndMovesTheStartOn) {
  dialog.SetToolPathAsker([] { return std::optional<ToolPathRun>{ToolPathRun{}}; });
  ShowActive(dialog);
  Find<QPlainTextEdit>(dialog, "between")->setPlainText("M00\nG04 P1");
  Find<QPushButton>(dialog, "OK")->click();
  EXPECT_EQ(texts, (std::vector<std::string>{"SN008", "SN009", "SN010"}));
  std::vector<std::string> cl = test::ReadLines(job.paths.CLFileName);
  ASSERT_FALSE(cl.empty());
  EXPECT_EQ(cl.front(), "900 (SN008)");
  EXPECT_EQ(std::count(cl.begin(), cl.end(), "900 G04 P1"), 3);
  EXPECT_EQ(cl.back(), "-999");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(job.settings.SNUMSTART, "11");
  EXPECT_EQ(Spin("SNUMSTART")->value(), 11);
}

TEST_F(SerialNumbersTest, OptionsTheProjectDoesNotKeep) {
  Find<QCheckBox>(dialog, "Update End Number Automatically")->setChecked(false);
  Find<QCheckBox>(dialog, "Insert Serial Number Comment")->setChecked(false);
  SerialRunOptions run = dialog.RunOptions();
  EXPECT_FALSE(run.updateEndNumber);
  EXPECT_FALSE(run.insertComment);
  EXPECT_EQ(run.betweenNumbers, std::vector<std::string>{"M00"});
}

}  // namespace
}  // namespace quill
