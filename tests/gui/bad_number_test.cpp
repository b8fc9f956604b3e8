// A letter typed into a numeric field, with the program's real message boxes: the operator is told,
// may mend the field or leave the dialog with Cancel, Esc or its close button, and the wrong text never
// becomes the setting the stages read.
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "dialogs_test_support.h"
#include "shell/expr_field.h"
#include "shell/qt_ui.h"
#include "stages/gen_toolpath_dlg.h"
#include "text/settings_dialog.h"

namespace quill {
namespace {

class BadNumberTest : public testing::Test {
 protected:
  BadNumberTest() {
    BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/data/");
    // Every box the program shows is read and closed with its default button, as the operator would;
    // the window under it becomes the active one again, as a window manager makes it.
    QObject::connect(&boxWatch, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        boxes.push_back(box->text().toStdString());
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
        if (front) QTimer::singleShot(0, front, [w = front] { w->activateWindow(); });
      }
    });
    boxWatch.start(10);
  }

  void ShowActive(QWidget& w) {
    front = &w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  // The operator types into the field and presses Tab; a box it brings up has gone when this returns.
  static void Type(QLineEdit* field, const char* text) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(field->window()));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([] { return !qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(field->window()));
  }
  // The shown button captioned so (access key marks left out).
  static QPushButton* Button(QWidget& dialog, const QString& caption) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
      if (b->text().remove('&') == caption && b->isVisible()) return b;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
  }

  test::TempDir home;
  QtUi qtUi;
  Job job{qtUi};
  QTimer boxWatch;
  QWidget* front = nullptr;  // the window the operator works in
  std::vector<std::string> boxes;
};

class SettingsBadNumberTest : public BadNumberTest {
 protected:
  SettingsBadNumberTest() { dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(1); }
  QLineEdit* Height() { return dialog.findChild<QLineEdit*>("TEXTHIGH"); }
  TSettingsDlg dialog{job};
};

TEST_F(SettingsBadNumberTest, CancelLeavesTheDialogAndTheWrongTextStaysOut) {
  ShowActive(dialog);
  Type(Height(), "abc");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("Error in Expression"), std::string::npos);
  EXPECT_TRUE(Height()->hasFocus());
  EXPECT_EQ(job.settings.TEXTHIGH, "1.0");  // the text path stage never sees "abc"

  QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(boxes.size(), 1u) << boxes.back();
  EXPECT_EQ(job.settings.TEXTHIGH, "1.0");
  EXPECT_FALSE(job.flags.ProjectModified);
  ShowActive(dialog);
  EXPECT_EQ(Height()->text(), "1.0");
}

TEST_F(SettingsBadNumberTest, EscAndTheCloseButtonLeaveTooAndOkIsRefused) {
  ShowActive(dialog);
  Type(Height(), "2x");
  QTest::keyClick(Height(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());

  ShowActive(dialog);
  Type(Height(), "2x");
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());

  ShowActive(dialog);
  Type(Height(), "2x");
  size_t told = boxes.size();
  QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible()) << "OK took a field the operator was told is wrong";
  EXPECT_GT(boxes.size(), told);
  EXPECT_FALSE(job.flags.ProjectModified);
  EXPECT_EQ(job.settings.TEXTHIGH, "1.0");

  // Mended, the value is taken.
  Type(Height(), "2*1.25");
  QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(job.settings.TEXTHIGH, "2.50000");
}

// The tool path dialog's fields follow the same rules: Cancel leaves, the setting keeps its value.
TEST_F(BadNumberTest, TheToolPathDialogLeavesWithCancelToo) {
  TGenTpathDlg dialog(job);
  front = &dialog;
  QTimer::singleShot(0, [&] {
    dialog.activateWindow();
    Type(dialog.Field("ZDEPTH"), "-0.o5");
    QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
  });
  QTimer::singleShot(2000, &dialog, [&] { dialog.done(QDialog::Accepted); });  // a trapped dialog ends the test
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(job.settings.ZDEPTH, "-0.0500");
}

}  // namespace
}  // namespace quill
