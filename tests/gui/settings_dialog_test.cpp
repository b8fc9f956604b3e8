#include "text/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "dialogs_test_support.h"
#include "fonts/font_families.h"
#include "shell/expr_field.h"

namespace quill {
namespace {

class SettingsDialogTest : public DialogTest {
 protected:
  // Clicks a button on its indicator, where a radio button or check box answers the mouse.
  void Click(const char* name) {
    QAbstractButton* b = Find<QAbstractButton>(dialog, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  }
  // The label beside a text coordinate field.
  QLabel* LabelOf(const char* field) {
    for (QLabel* l : dialog.findChildren<QLabel*>()) {
      if (l->buddy() == Find<QWidget>(dialog, field)) return l;
    }
    return nullptr;
  }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(dialog, name); }
  QTableView* Table(const char* name) { return Find<QTableView>(dialog, name); }
  QString Cell(const char* table, int row, int column) {
    QAbstractItemModel* m = Table(table)->model();
    return m->data(m->index(row, column)).toString();
  }

  TSettingsDlg dialog{job};
};

TEST_F(SettingsDialogTest, TextCoordinatesFollowModeAndJustification) {
  ShowActive(dialog);
  EXPECT_EQ(LabelOf("XSTART")->text(), "Start -X-");
  EXPECT_FALSE(Field("XEND")->isEnabled());

  Click("CW on an Arc");
  EXPECT_EQ(job.settings.TTYPE, ModeCwArc);
  EXPECT_EQ(LabelOf("XSTART")->text(), "Center-X-");
  EXPECT_EQ(LabelOf("TANGLE")->text(), "St Angle");
  EXPECT_EQ(LabelOf("XEND")->text(), "Radius");
  EXPECT_FALSE(LabelOf("YEND")->isEnabled());

  Click("Right Justify");
  EXPECT_FALSE(Field("TANGLE")->isEnabled());
  EXPECT_EQ(LabelOf("YEND")->text(), "End Angle");
  EXPECT_TRUE(Field("YEND")->isEnabled());

  auto* curve = Find<QGroupBox>(dialog, "Text Along a Curve");
  EXPECT_EQ(curve->title(), "Text Along a Curve [NOT SELECTED]");
  EXPECT_FALSE(curve->isEnabled());
  Click("Center Justify");
  Click("Along a Curve");
  EXPECT_EQ(job.settings.TJUST, JustLeft);
  EXPECT_TRUE(Find<QRadioButton>(dialog, "Left Justify")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(dialog, "Center Justify")->isEnabled());
  EXPECT_EQ(curve->title(), "Text Along a Curve");
  EXPECT_TRUE(curve->isEnabled());
  for (const char* f : {"XSTART", "YSTART", "TANGLE", "XEND", "YEND"}) EXPECT_FALSE(Field(f)->isEnabled()) << f;

  Click("Linear");
  Click("Full Justification");
  Click("Along a Curve");
  EXPECT_EQ(job.settings.TJUST, JustFull);
}

TEST_F(SettingsDialogTest, FontFieldsAreCheckedOnLeaving) {
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(1);
  TypeAndLeave(Field("TEXTHIGH"), "2*0.5");
  EXPECT_EQ(job.settings.TEXTHIGH, "1.00000");
  EXPECT_TRUE(ui.messages.empty());

  TypeAndLeave(Field("TEXTHIGH"), "0");
  ASSERT_EQ(ui.Texts(), std::vector<std::string>{"Text Height cannot be Zero"});
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
  EXPECT_TRUE(Field("TEXTHIGH")->hasFocus());
  TypeAndLeave(Field("TEXTHIGH"), "0.5");
  EXPECT_EQ(ui.messages.size(), 1u);

  TypeAndLeave(Field("TILTANG"), "-90");
  TypeAndLeave(Field("TILTANG"), "90");
  EXPECT_EQ(ui.messages.size(), 1u);
  TypeAndLeave(Field("TILTANG"), "90.5");
  EXPECT_EQ(ui.Texts().back(), "Tilt Angle Must be Between 0.0 and +/- 90.0");
  EXPECT_TRUE(Field("TILTANG")->hasFocus());
  EXPECT_EQ(job.settings.TILTANG, "90.50000");  // kept for the operator to mend

  // A bad expression gets its own warning only.
  TypeAndLeave(Field("TILTANG"), "45");
  TypeAndLeave(Field("TWFACT"), "1+");
  EXPECT_NE(ui.Texts().back().find("Error in Expression"), std::string::npos);
  EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(SettingsDialogTest, FontKindSwitchesTheControls) {
  ShowActive(dialog);
  auto* sample = Find<QLabel>(dialog, "sample");
  EXPECT_EQ(sample->text(), "QUILLMARK");
  EXPECT_FALSE(Find<QPushButton>(dialog, "Select Quillmark Font")->isEnabled());
  EXPECT_FALSE(Field("TEXTWIDE")->isEnabled());

  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(1);
  Click("Bold");
  Click("Italics");
  EXPECT_TRUE(sample->font().bold());
  EXPECT_TRUE(sample->font().italic());
  Click("Specify Text Width");
  EXPECT_TRUE(Field("TEXTWIDE")->isEnabled());

  Click("Quillmark");
  EXPECT_EQ(job.settings.BFONTTYPE, 0);
  EXPECT_EQ(sample->text(), "No Preview");
  EXPECT_TRUE(Find<QPushButton>(dialog, "Select Quillmark Font")->isEnabled());
  EXPECT_FALSE(Find<QComboBox>(dialog, "FONTNAME")->isEnabled());
  EXPECT_FALSE(Field("TEXTWIDE")->isEnabled());
  EXPECT_EQ(Find<QLabel>(dialog, "EngraveFontFile")->text(), "SIMPLEX.QXF");
}

// The list offers installed families; a family the project names that is not installed stays chosen,
// marked so, and the note says which installed family is used in its place.
TEST_F(SettingsDialogTest, FaceNamedByTheProjectStaysChosenWithTheFamilyUsedForIt) {
  std::vector<std::string> installed = InstalledFontFamilies();
  ASSERT_GE(installed.size(), 2u) << "install fonts-liberation2 and fonts-dejavu-extra (scripts/deps.sh --tests)";
  auto* faces = Find<QComboBox>(dialog, "FONTNAME");
  auto* note = Find<QLabel>(dialog, "FaceInUse");
  job.settings.FONTNAME = installed[0];
  dialog.Refresh();
  EXPECT_EQ(faces->count(), static_cast<int>(installed.size()));
  EXPECT_TRUE(note->isHidden());

  job.settings.FONTNAME = "No Such Face";
  dialog.Refresh();
  EXPECT_EQ(faces->currentText(), "No Such Face (not installed)");
  EXPECT_EQ(faces->currentData().toString(), "No Such Face");
  EXPECT_EQ(job.settings.FONTNAME, "No Such Face");
  EXPECT_FALSE(note->isHidden());
  EXPECT_EQ(note->text().toStdString(), "No Such Face is not installed: " + FamilyInUse("No Such Face") + " is used");

  emit faces->activated(faces->findData(QString::fromStdString(installed[1])));
  EXPECT_EQ(job.settings.FONTNAME, installed[1]);
  dialog.Refresh();
  EXPECT_EQ(faces->count(), static_cast<int>(installed.size()));  // the stand-in has gone
  EXPECT_TRUE(note->isHidden());
}

TEST_F(SettingsDialogTest, NumberOfPointsSizesThePointTable) {
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(2);
  Click("Along a Curve");
  EXPECT_EQ(Table("ACURVETAB")->model()->rowCount(), 4);

  TypeAndLeave(Field("ACNPTS"), "126");
  ASSERT_EQ(ui.Texts(), std::vector<std::string>{"Number of Points Must be Between 3 and 125"});
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
  EXPECT_TRUE(Field("ACNPTS")->hasFocus());
  EXPECT_EQ(job.settings.CurvePoints, 4);

  TypeAndLeave(Field("ACNPTS"), "125");
  EXPECT_EQ(Table("ACURVETAB")->model()->rowCount(), 125);
  TypeAndLeave(Field("ACNPTS"), "3");
  EXPECT_EQ(job.settings.CurvePoints, 3);
  EXPECT_EQ(Cell("ACURVETAB", 2, 0), "3");
  EXPECT_EQ(ui.messages.size(), 1u);

  QAbstractItemModel* m = Table("ACURVETAB")->model();
  EXPECT_TRUE(m->setData(m->index(1, 2), "-12.5", Qt::EditRole));
  EXPECT_FLOAT_EQ(job.settings.ACURVEY[1], -12.5f);
  EXPECT_FALSE(m->setData(m->index(1, 1), "abc", Qt::EditRole));
  EXPECT_FALSE(m->flags(m->index(1, 0)) & Qt::ItemIsEditable);
}

// Both value columns show beside the point numbers as soon as the page does, before any click.
TEST_F(SettingsDialogTest, ThePointTableShowsItsThreeColumnsWhenThePageOpens) {
  job.settings.TTYPE = ModeCurve;
  dialog.resize(420, 520);
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(2);
  QApplication::processEvents();
  QTableView* table = Table("ACURVETAB");
  QHeaderView* header = table->horizontalHeader();
  int shown = table->viewport()->width();
  for (int column = 0; column < 3; ++column) {
    EXPECT_GE(header->sectionViewportPosition(column), 0) << column;
    EXPECT_LE(header->sectionViewportPosition(column) + header->sectionSize(column), shown) << column;
  }
  EXPECT_NEAR(header->sectionSize(1), header->sectionSize(2), 1);
  EXPECT_GT(header->sectionSize(2), 40);
}

TEST_F(SettingsDialogTest, VariableSpacingFillsTheCharacterTable) {
  job.text = {"AB", "C"};
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(3);
  EXPECT_FALSE(Find<QPushButton>(dialog, "Text Effects")->isEnabled());
  EXPECT_FALSE(Table("VSPACETAB")->isEnabled());
  TypeAndLeave(Field("CHRSPACE"), "0.25");

  ui.answers = {Answer::Yes};
  Click("Variable");
  EXPECT_EQ(ui.Texts().back(), "Update variable Character Spacing Table");
  EXPECT_EQ(job.settings.BCSPACE, 0);
  ASSERT_EQ(Table("VSPACETAB")->model()->rowCount(), 5);
  EXPECT_EQ(Cell("VSPACETAB", 0, 0), "A");
  EXPECT_EQ(Cell("VSPACETAB", 2, 0), "#13");
  EXPECT_EQ(Cell("VSPACETAB", 3, 0), "#10");
  EXPECT_EQ(Cell("VSPACETAB", 4, 0), "C");
  EXPECT_EQ(Cell("VSPACETAB", 4, 1), "0.25000");
  EXPECT_EQ(Cell("VSPACETAB", 4, 2), "1.00000");
  EXPECT_FALSE(Field("CHRSPACE")->isEnabled());
  EXPECT_FALSE(Field("WSPACE")->isEnabled());
  EXPECT_TRUE(Field("LSPACE")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(dialog, "Text Effects")->isEnabled());
}

TEST_F(SettingsDialogTest, TooMuchTextKeepsConstantSpacing) {
  job.text = {std::string(CharTableSize + 1, 'X')};
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(3);
  Click("Variable");
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Text Amount Too Large for Variable Spacing"});
  EXPECT_EQ(job.settings.BCSPACE, 1);
  EXPECT_TRUE(Find<QRadioButton>(dialog, "Constant")->isChecked());
  EXPECT_TRUE(Field("CHRSPACE")->isEnabled());
}

TEST_F(SettingsDialogTest, CancelKeepsEditsAndOkConfirmsThem) {
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(1);
  TypeAndLeave(Field("TEXTHIGH"), "2.5");
  Click("Cancel");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(job.settings.TEXTHIGH, "2.50000");
  EXPECT_FALSE(job.flags.ProjectModified);

  ShowActive(dialog);
  EXPECT_EQ(Field("TEXTHIGH")->text(), "2.50000");
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(2);
  TypeAndLeave(Field("FCTOL"), "0.005");
  Click("OK");
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_DOUBLE_EQ(job.fontCurveTolerance, 0.005);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SettingsDialogTest, OkKeepsACellStillBeingEdited) {
  job.text = {"AB"};
  job.settings.BCSPACE = 0;
  ShowActive(dialog);
  dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(3);
  QTableView* table = Table("VSPACETAB");
  table->setFocus();
  table->setCurrentIndex(table->model()->index(1, 2));
  table->edit(table->currentIndex());
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "3.5");
  Find<QPushButton>(dialog, "OK")->click();  // Enter on the default button: the focus stays in the cell
  EXPECT_FLOAT_EQ(job.settings.CharTable[1].height, 3.5f);
}

TEST_F(SettingsDialogTest, ProjectValuesShowOnRefresh) {
  job.settings.TTYPE = ModeCcwArc;
  job.settings.TJUST = JustFull;
  job.settings.XEND = "4.5";
  job.settings.BCSPACE = 0;
  job.settings.ACNPTS = "7";
  job.settings.CurvePoints = 7;
  dialog.Refresh();
  EXPECT_TRUE(Find<QRadioButton>(dialog, "CCW on an Arc")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(dialog, "Full Justification")->isChecked());
  EXPECT_EQ(Field("XEND")->text(), "4.5");
  EXPECT_EQ(LabelOf("YEND")->text(), "End Angle");
  EXPECT_TRUE(Find<QRadioButton>(dialog, "Variable")->isChecked());
  EXPECT_EQ(Table("ACURVETAB")->model()->rowCount(), 7);
  EXPECT_TRUE(ui.messages.empty());  // no question while the dialog only shows a project
}

}  // namespace
}  // namespace quill
