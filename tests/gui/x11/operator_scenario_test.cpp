// The whole job as an operator does it in the running program on a real X display: type a text, set it
// on an arc, generate it, make the tool path, write the NC code for DMILL and save the project.  The
// program is started as the desktop starts it; the script drives its windows through their widgets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <set>

#include "desktop_program.h"
#include "gen_text_form.h"
#include "job/job.h"
#include "main_window.h"
#include "nc_post_form.h"
#include "picture_area.h"
#include "project/project_reader.h"
#include "test_support.h"
#include "text_editor.h"
#include "ui/test_ui.h"
#include "window_directory.h"

namespace quill {
namespace {

template <typename T>
T* TopLevel(const char* objectName = nullptr) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* t = qobject_cast<T*>(w);
    if (t && t->isVisible() && (!objectName || t->objectName() == objectName)) return t;
  }
  return nullptr;
}

// Runs action on the next window of that kind to open (a modal one runs its own loop meanwhile).
template <typename T>
void WhenOpen(std::function<void(T*)> action, const char* objectName = nullptr) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, action, objectName] {
    T* w = TopLevel<T>(objectName);
    if (w && QTest::qWaitForWindowExposed(w)) {
      poll->stop();
      poll->deleteLater();
      action(w);
    }
  });
  poll->start(20);
}

// Gives the field the focus, types the text over it and leaves it, as the operator does.
void Type(QLineEdit* field, const QString& text) {
  ASSERT_NE(field, nullptr);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Tab);
}

// Types the whole path into the chooser's name box and presses Enter.
void TypeFileName(QFileDialog* d, const std::string& path) {
  auto* name = d->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, QString::fromStdString(path));
  QTest::keyClick(name, Qt::Key_Return);
}

// The picture area's pixels of that colour.
int PixelsOf(TMainform* main, QColor colour) {
  QImage image = main->Picture().grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).rgb() == colour.rgb();
  }
  return n;
}

class OperatorScenario : public testing::Test {
 protected:
  void SetUp() override {
    setenv("HOME", outside.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", outside.File("config").c_str(), 1);
    // Any message box is an answer the scenario did not expect: it is noted and closed.
    QObject::connect(&boxWatch, &QTimer::timeout, [this] {
      if (auto* box = TopLevel<QMessageBox>()) {
        messages.push_back(box->text().toStdString());
        box->reject();
      }
    });
    boxWatch.start(50);
  }

  void Script();

  test::TempDir home, outside, work;
  QTimer boxWatch;
  std::vector<std::string> messages;
  std::string ncFile = work.File("PLATE.TAP"), project = work.File("PLATE.QLM");
};

void OperatorScenario::Script() {
  TMainform* main = TopLevel<TMainform>();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
  Job& job = main->Context().job;

  main->MenuItem("Text")->trigger();
  auto* editor = TopLevel<TTedForm>("TTedForm");
  ASSERT_NE(editor, nullptr);
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  editor->Editor()->selectAll();
  QTest::keyClicks(editor->Editor(), "QUILLMARK");
  QTest::keyClick(editor->Editor(), Qt::Key_Return);
  QTest::keyClicks(editor->Editor(), "PLATE 42");
  EXPECT_EQ(job.text, (std::vector<std::string>{"QUILLMARK", "PLATE 42"}));

  main->MenuItem("Settings")->trigger();
  auto* settings = TopLevel<QDialog>("TSettingsDlg");
  ASSERT_NE(settings, nullptr);
  settings->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
  auto* arc = settings->findChild<QAbstractButton*>("CW on an Arc");
  ASSERT_NE(arc, nullptr);
  QTest::mouseClick(arc, Qt::LeftButton, {}, QPoint(6, arc->height() / 2));
  Type(settings->findChild<QLineEdit*>("XSTART"), "4");
  Type(settings->findChild<QLineEdit*>("YSTART"), "0");
  Type(settings->findChild<QLineEdit*>("XEND"), "3");  // the radius
  Type(settings->findChild<QLineEdit*>("TANGLE"), "150");
  QTest::mouseClick(settings->findChild<QAbstractButton*>("OK"), Qt::LeftButton);
  EXPECT_EQ(job.settings.TTYPE, ModeCwArc);

  WhenOpen<TGenForm>([](TGenForm* form) { QTest::mouseClick(form->GenerateButton(), Qt::LeftButton); }, "TGenForm");
  main->MenuItem("Generate")->trigger();
  ASSERT_TRUE(job.flags.TextPathGenerated);
  EXPECT_GT(PixelsOf(main, QColor(0, 128, 0)), 200) << "the text path in the text-line colour";

  WhenOpen<QDialog>(
      [](QDialog* dlg) {
        for (QPushButton* b : dlg->findChildren<QPushButton*>()) {
          if (b->text() == "OK" && b->isVisible()) return QTest::mouseClick(b, Qt::LeftButton);
        }
      },
      "TGenTpathDlg");
  main->MenuItem("Create Tool Path")->trigger();
  ASSERT_TRUE(job.flags.ToolPathCreated);
  EXPECT_GT(PixelsOf(main, QColor(128, 128, 128)), 200) << "the tool path in its colour";

  WhenOpen<QFileDialog>([this](QFileDialog* d) { TypeFileName(d, ncFile); });
  main->MenuItem("Generate NC-Code")->trigger();
  auto* generator = TopLevel<TNCPOSTForm>("TNCPOSTForm");
  ASSERT_NE(generator, nullptr);
  QComboBox* machines = generator->MachineBox();
  machines->setCurrentIndex(machines->findText("DMILL"));
  QTest::mouseClick(generator->StartButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([this] { return test::FileExists(ncFile); }, 10000));

  WhenOpen<QFileDialog>([this](QFileDialog* d) { TypeFileName(d, project); });
  main->MenuItem("Save Project As ...")->trigger();
  EXPECT_FALSE(job.flags.ProjectModified);
  main->close();
}

TEST_F(OperatorScenario, TextOnAnArcCutAndSaved) {
  // The script starts when the main window shows; a failed step ends the program at once.
  WhenOpen<TMainform>([this](TMainform*) {
    Script();
    if (HasFailure()) qApp->exit(1);
  });
  int status = RunDesktopProgram(*qApp, {"--home", home.path()});
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(messages.empty()) << messages.front();

  // The NC code cuts along the arc: its feeds climb and fall across the text.
  std::set<long> heights;
  for (const std::string& line : test::ReadLines(ncFile)) {
    size_t y = line.find('Y');
    if (y != std::string::npos) heights.insert(std::lround(std::atof(line.c_str() + y + 1) * 10));
  }
  EXPECT_GT(heights.size(), 10u);

  TestUi ui;
  Job saved(ui);
  BuildWorkFilePaths(saved.paths, home.path() + "/", home.path() + "/");
  ASSERT_EQ(ReadProject(saved, project), ProjectRead::Read);
  EXPECT_EQ(saved.settings.TTYPE, ModeCwArc);
  EXPECT_EQ(saved.text, (std::vector<std::string>{"QUILLMARK", "PLATE 42"}));
}

}  // namespace
}  // namespace quill

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
