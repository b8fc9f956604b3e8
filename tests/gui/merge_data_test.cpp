// "Merge Data": a small CSV of name tags laid out in Liberation Sans, driven as the operator does:
// the file typed, Preview, OK; the rows found in the cutter-location file or in one NC file each,
// the rows that cannot be engraved named by their row, and Cancel or a refused option leaving nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "main_window_fixture.h"
#include "records/cl_record.h"
#include "shell/expr_field.h"
#include "stage_windows_fixture.h"
#include "text/merge_data_dlg.h"
#include "text/merge_preview.h"

namespace quill {
namespace {

using Lines = std::vector<std::string>;

class MergeDataTest : public testing::Test {
 protected:
  MergeDataTest() {
    EngravingSettings& st = s.job.settings;
    st.BFONTTYPE = 1;
    st.FONTNAME = "Liberation Sans";
    st.TEXTHIGH = "0.25";
    s.job.text = {"{Name}"};
    test::WriteFile(csv, "Name;Dept\r\nANN;Sales\r\n;Stores\r\nCY;Yard\r\n");
    dialog.SetToolPathAsker([this] {
      ++asked;
      return toolPath;
    });
    dialog.show();
    Edit("dataFile")->setText(QString::fromStdString(csv));
  }
  template <class T = QWidget>
  T* Find(const char* name) {
    T* w = dialog.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
  void Ok() { Find<QPushButton>("OK")->click(); }
  Lines Cl() const { return test::ReadLines(s.job.paths.CLFileName); }
  static long Count(const Lines& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  }

  StageJob s;
  std::string csv = s.home.File("TAGS.CSV");
  TMergeDataDlg dialog{s.job};
  std::optional<ToolPathRun> toolPath = ToolPathRun{};
  int asked = 0;
};

TEST_F(MergeDataTest, PreviewListsTheRowsAndNamesTheOnesThatCannotBeEngraved) {
  Find<QPushButton>("Preview")->click();
  QTableWidget* rows = dialog.Preview()->Rows();
  ASSERT_EQ(rows->rowCount(), 2);
  EXPECT_EQ(rows->item(0, 0)->text(), "2");
  EXPECT_EQ(rows->item(0, 1)->text(), "ANN");
  EXPECT_EQ(rows->item(1, 0)->text(), "4");
  EXPECT_TRUE(rows->isColumnHidden(2));
  ASSERT_EQ(dialog.Preview()->Problems()->count(), 1);
  EXPECT_TRUE(dialog.Preview()->Problems()->item(0)->text().startsWith("Row 3: "));
  EXPECT_EQ(dialog.Preview()->Summary()->text(), "2 of 3 rows will be engraved, 1 will not");
  EXPECT_FALSE(test::FileExists(s.job.paths.CLFileName));
  EXPECT_EQ(asked, 0);
}

TEST_F(MergeDataTest, OkCutsEveryGoodRowIntoTheCutterLocationFile) {
  Find<QPlainTextEdit>("between")->setPlainText("M00\nG04 P1");
  Ok();
  EXPECT_EQ(asked, 1);
  Lines cl = Cl();
  ASSERT_FALSE(cl.empty());
  EXPECT_EQ(cl.front(), "900 (ANN)");
  EXPECT_EQ(Count(cl, "900 (CY)"), 1);
  EXPECT_EQ(Count(cl, "900 G04 P1"), 2);
  EXPECT_EQ(cl.back(), "-999");
  EXPECT_TRUE(s.job.flags.ToolPathCreated);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(s.ui.Texts(), Lines{"1 of 3 rows were not engraved: row 3"});
  EXPECT_EQ(s.job.text, Lines{"{Name}"});  // the editor keeps its fields for the next merge
}

TEST_F(MergeDataTest, EachRowGetsItsOwnNcFileNamedFromAColumn) {
  s.Posts(test::ReadFile(test::SourceDir() + "/data/machines/QPOSTS.INI"));
  dialog.hide();
  dialog.show();  // the machines are read as the window opens
  Find<QGroupBox>("perRow")->setChecked(true);
  Edit("perRowColumn")->setText("Name");
  Edit("ncFolder")->setText(QString::fromStdString(s.home.path()));
  EXPECT_EQ(Find<QComboBox>("machine")->currentText(), "DMILL");
  Ok();
  EXPECT_TRUE(test::FileExists(s.home.File("ANN.TAP")));
  EXPECT_TRUE(test::FileExists(s.home.File("CY.TAP")));
  EXPECT_EQ(dialog.Preview()->Rows()->item(1, 2)->text(), "CY");
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(MergeDataTest, RowsOnAnArrayGoToTheirCells) {
  Find<QGroupBox>("array")->setChecked(true);
  Find<QSpinBox>("columns")->setValue(3);
  Find<QSpinBox>("rows")->setValue(1);
  Find<ExprField>("pitchX")->setText("3");
  MergeOptions o = dialog.Options();
  EXPECT_EQ(o.array.columns, 3);
  EXPECT_EQ(o.array.pitchX, 3.0);
  Ok();
  // The first rapid of each row's tool path, after its comment.
  std::vector<double> starts;
  Lines cl = Cl();
  for (size_t i = 0; i + 2 < cl.size(); ++i) {
    ClRecord r;
    if (cl[i].rfind("900 (", 0) == 0 && ParseClRecord(cl[i + 2], r)) starts.push_back(r.X);
  }
  ASSERT_EQ(starts.size(), 2u);
  // Row 3 cannot be engraved and leaves its cell empty: CY is cut two cells on.  The names differ, so
  // their first strokes start near, not at, the same place of their cells.
  EXPECT_NEAR(starts[1] - starts[0], 6.0, 0.5);
  EXPECT_EQ(Count(cl, "900 M00"), 1);  // one plate
}

TEST_F(MergeDataTest, RefusedOptionsAndCancelledRunsLeaveNothing) {
  Edit("dataFile")->clear();
  Ok();
  Edit("dataFile")->setText(QString::fromStdString(csv));
  Find<QGroupBox>("perRow")->setChecked(true);
  Ok();
  Find<QGroupBox>("perRow")->setChecked(false);
  toolPath.reset();  // the tool path dialog cancelled
  Ok();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(s.ui.Texts(), (Lines{"Choose the data file to merge", "Name the column the NC files are named from"}));
  EXPECT_FALSE(test::FileExists(s.job.paths.CLFileName));
  EXPECT_TRUE(dialog.isVisible());

  toolPath = ToolPathRun{};
  s.ui.cancelAfter = 0;  // Cancel in the progress window before the first row
  Ok();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(s.job.flags.ToolPathCreated);
  EXPECT_EQ(s.ui.Texts().at(2), "Merge Data was stopped after 0 rows");
}

class MergeDataMenuTest : public MainWindowTest {};

TEST_F(MergeDataMenuTest, MergeDataStandsBesideSerialNumbersAndOpensItsWindow) {
  RegisterTextWindows(context, main.get());
  QStringList core;
  for (QAction* a : main->MenuItem("Serial Numbers")->associatedObjects().value(0)->findChildren<QAction*>()) {
    core << a->text();
  }
  ASSERT_GE(core.indexOf("Merge Data"), 1);
  EXPECT_EQ(core[core.indexOf("Merge Data") - 1], "Serial Numbers");
  Trigger("Merge Data");
  auto* merge = main->findChild<TMergeDataDlg*>("TMergeDataDlg");
  ASSERT_NE(merge, nullptr);
  EXPECT_TRUE(merge->isVisible());
  EXPECT_EQ(merge->windowTitle(), "Merge Data");
  merge->close();
}

}  // namespace
}  // namespace quill
