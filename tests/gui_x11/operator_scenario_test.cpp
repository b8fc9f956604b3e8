// The whole job as an operator does it in the running program on a real X display: type a text, set it
// on an arc, generate it, make the tool path, pick the mill, write its NC code and save the project.
// The program starts as the desktop starts it; the script drives its windows through mouse and keys.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dialogs_test_support.h"
#include "picture/picture_area.h"
#include "project/project_reader.h"
#include "shell/desktop_program.h"
#include "shell/main_window.h"
#include "shell/window_directory.h"
#include "stage_windows_fixture.h"
#include "stages/gen_text_form.h"
#include "stages/nc_post_form.h"
#include "text/text_editor.h"

namespace quill {
namespace {

// The layout the operator asks for: the arc's centre and the first line's radius.
constexpr double kCentreX = 4, kCentreY = 0, kRadius = 3;
// The picture's default colours of the text lines and of the tool path.
const QColor kTextLineColour(0x00, 0x80, 0x00), kToolPathColour(0x80, 0x80, 0x80);

template <typename T>
T* TopLevel(const char* objectName = nullptr) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* t = qobject_cast<T*>(w);
    if (t && t->isVisible() && (!objectName || t->objectName() == objectName)) return t;
  }
  return nullptr;
}

// The field whose label reads caption, as the operator finds it.
QLineEdit* FieldLabelled(QWidget* window, const QString& caption) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text() == caption && label->isVisible()) return qobject_cast<QLineEdit*>(label->buddy());
  }
  return nullptr;
}

// Opens the drop-down list and clicks the entry.
void Choose(QComboBox* box, const QString& entry) {
  QTest::mouseClick(box, Qt::LeftButton);
  QAbstractItemView* list = box->view();
  ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
  QModelIndex item = list->model()->index(box->findText(entry), 0);
  ASSERT_TRUE(item.isValid()) << entry.toStdString();
  list->scrollTo(item);
  QPoint at = list->visualRect(item).center();
  // The list takes a release soon after the opening click as part of that click unless the mouse has
  // moved; the move reaches it through the X server, and the entry under the mouse is marked then.
  QTest::mouseMove(list->viewport(), at);
  ASSERT_TRUE(QTest::qWaitFor([list, item] { return list->currentIndex() == item; }));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
}

// Answers the next file chooser to open (the command may take a while before it opens one): the whole
// path typed into its name box, then Enter.  The name box offers completions in a list that takes the
// Enter; the operator closes it with Esc and presses Enter again.
void AnswerChooser(const std::string& path) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, path = QString::fromStdString(path), typed = false]() mutable {
    auto* chooser = TopLevel<QFileDialog>();
    if (!chooser || !chooser->windowHandle()->isExposed()) {
      if (typed) poll->deleteLater();  // answered and closed
      return;
    }
    auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    if (!typed) {
      name->setFocus();
      name->selectAll();
      QTest::keyClicks(name, path);
      typed = true;
    }
    if (QWidget* offers = QApplication::activePopupWidget()) {
      QTest::keyClick(offers, Qt::Key_Escape);
    } else {
      QTest::keyClick(name, Qt::Key_Return);
    }
  });
  poll->start(50);
}

// Clicks the button captioned caption of the modal dialog about to open.
void PressWhenShown(const char* className, const QString& caption) {
  WhenShown(className, [caption](QDialog* d) {
    for (QPushButton* b : d->findChildren<QPushButton*>()) {
      if (b->text().remove('&') == caption && b->isVisible()) return QTest::mouseClick(b, Qt::LeftButton);
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
  });
}

int PixelsOf(QWidget& picture, QColor colour) {
  QImage image = picture.grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).rgb() == colour.rgb();
  }
  return n;
}

// The end points of the feed moves (G01, G02, G03, also when the code is left out as modal) below the
// work surface.
std::vector<QPointF> CutPoints(const std::string& ncFile) {
  std::vector<QPointF> points;
  int motion = -1;
  double x = 0, y = 0, z = 1;
  for (const std::string& line : test::ReadLines(ncFile)) {
    if (line.empty() || line[0] == '(') continue;
    std::istringstream words(line);
    char letter;
    double value;
    bool moved = false;
    while (words >> letter >> value) {
      if (letter == 'G' && value <= 3) motion = static_cast<int>(value);
      moved |= letter == 'X' || letter == 'Y';
      if (letter == 'X') x = value;
      if (letter == 'Y') y = value;
      if (letter == 'Z') z = value;
    }
    if (moved && motion >= 1 && z < 0) points.emplace_back(x, y);
  }
  return points;
}

// The program runs in home; job reads the saved project back afterwards.
class OperatorScenario : public DialogTest {
 protected:
  void SetUp() override {
    // The last run wrote code for the lathe; the operator has to pick the mill.
    test::WriteFile(home.File("QUILLMAR.INI"), "[DEFAULTS]\nDEFMCH=LATHE\n");
    // Any message box is an answer the scenario did not expect: it is noted and closed.
    QObject::connect(&boxWatch, &QTimer::timeout, [this] {
      if (auto* box = TopLevel<QMessageBox>()) {
        messages.push_back(box->text().toStdString());
        box->reject();
      }
    });
    boxWatch.start(50);
  }

  void Script(TMainform& main);

  test::TempDir work;
  QTimer boxWatch;
  std::vector<std::string> messages;
  int textPixels = 0, toolPixels = 0, textLeft = 0;  // the picture's pixels by colour
  std::string ncFile = work.File("PLATE.TAP"), project = work.File("PLATE.QLM");
};

void OperatorScenario::Script(TMainform& main) {
  Job& running = main.Context().job;

  main.MenuItem("Text")->trigger();
  auto* editor = TopLevel<TTedForm>("TTedForm");
  ASSERT_NE(editor, nullptr);
  ShowActive(*editor);
  editor->Editor()->selectAll();
  QTest::keyClicks(editor->Editor(), "QUILLMARK");
  QTest::keyClick(editor->Editor(), Qt::Key_Return);
  QTest::keyClicks(editor->Editor(), "PLATE 42");
  EXPECT_EQ(running.text, (std::vector<std::string>{"QUILLMARK", "PLATE 42"}));

  main.MenuItem("Settings")->trigger();
  auto* settings = TopLevel<QDialog>("TSettingsDlg");
  ASSERT_NE(settings, nullptr);
  ShowActive(*settings);
  auto* arc = settings->findChild<QAbstractButton*>("CW on an Arc");
  ASSERT_NE(arc, nullptr);
  QTest::mouseClick(arc, Qt::LeftButton, {}, QPoint(6, arc->height() / 2));
  // The coordinates are found by the labels the arc gives them.
  const std::pair<const char*, double> coordinates[] = {
      {"Center-X-", kCentreX}, {"Center-Y-", kCentreY}, {"Radius", kRadius}, {"St Angle", 150}};
  for (auto [caption, value] : coordinates) {
    QLineEdit* field = FieldLabelled(settings, caption);
    ASSERT_NE(field, nullptr) << "no field labelled " << caption;
    TypeAndLeave(field, QString::number(value));
  }
  QTest::mouseClick(settings->findChild<QAbstractButton*>("OK"), Qt::LeftButton);
  EXPECT_EQ(running.settings.TTYPE, ModeCwArc);

  PressWhenShown("TGenForm", "Generate");
  main.MenuItem("Generate")->trigger();
  ASSERT_TRUE(running.flags.TextPathGenerated);
  textPixels = PixelsOf(main.Picture(), kTextLineColour);

  PressWhenShown("TGenTpathDlg", "OK");
  main.MenuItem("Create Tool Path")->trigger();
  ASSERT_TRUE(running.flags.ToolPathCreated);
  toolPixels = PixelsOf(main.Picture(), kToolPathColour);
  textLeft = PixelsOf(main.Picture(), kTextLineColour);

  AnswerChooser(ncFile);
  main.MenuItem("Generate NC-Code")->trigger();
  auto* generator = TopLevel<TNCPOSTForm>("TNCPOSTForm");
  ASSERT_NE(generator, nullptr);
  ShowActive(*generator);
  EXPECT_EQ(generator->MachineBox()->currentText(), "LATHE");
  Choose(generator->MachineBox(), "DMILL");
  QTest::mouseClick(generator->StartButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([this] { return test::FileExists(ncFile); }, 10000));

  AnswerChooser(project);
  main.MenuItem("Save Project As ...")->trigger();
  EXPECT_FALSE(running.flags.ProjectModified);
  main.close();
}

TEST_F(OperatorScenario, TextOnAnArcCutAndSaved) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  // A window that never answers ends the scenario instead of stalling the whole run.
  QTimer::singleShot(40000, [] {
    ADD_FAILURE() << "the scenario did not finish within 40 s";
    qApp->exit(1);
  });
  // The script starts once the main window shows; a failed step ends the program at once.
  auto* start = new QTimer(qApp);
  QObject::connect(start, &QTimer::timeout, [this, start] {
    TMainform* main = TopLevel<TMainform>();
    if (!main || !QTest::qWaitForWindowExposed(main)) return;
    start->stop();
    Script(*main);
    if (HasFailure()) qApp->exit(1);
  });
  start->start(20);
  int status = RunDesktopProgram(*qApp, {"--home", home.path()});
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(messages.empty()) << messages.front();

  // The picture of the generated job: the text path in the text-line colour; then the tool path in its
  // own, drawn over it, so that seen from above the cutter covers the letters.
  EXPECT_GT(textPixels, 200);
  EXPECT_GT(toolPixels, 200);
  EXPECT_LT(textLeft, textPixels / 10) << "text path not covered by the tool path";

  // The mill's code, cut along the arc: every feed below the surface lies in the ring from the second
  // line's radius (less the line spacing 1.375) to the first line's top (plus the letter height 1), with
  // half a unit to spare for tails, and the cuts go round more than a quarter turn.
  EXPECT_NE(test::ReadFile(ncFile).find("(QUILLMARK PRO-2008 ENGRAVING)"), std::string::npos)
      << "no DMILL start-up macro";
  std::vector<QPointF> cuts = CutPoints(ncFile);
  ASSERT_GT(cuts.size(), 100u);
  const double inner = kRadius - 1.375 - 0.5, outer = kRadius + 1 + 0.5;
  double first = 1e9, last = -1e9;
  std::vector<QPointF> off;
  for (const QPointF& p : cuts) {
    double r = std::hypot(p.x() - kCentreX, p.y() - kCentreY);
    if (r < inner || r > outer) off.push_back(p);
    double angle = std::atan2(p.y() - kCentreY, p.x() - kCentreX) * 180 / M_PI;
    first = std::min(first, angle), last = std::max(last, angle);
  }
  EXPECT_TRUE(off.empty()) << off.size() << " cuts off the arc, the first at (" << off.front().x() << ", "
                           << off.front().y() << ")";
  EXPECT_GT(last - first, 90) << "the text spans only " << last - first << " degrees of the arc";
  // The machine picked is the next run's default.
  EXPECT_NE(test::ReadFile(home.File("QUILLMAR.INI")).find("DEFMCH=DMILL"), std::string::npos);

  ASSERT_EQ(ReadProject(job, project), ProjectRead::Read);
  EXPECT_EQ(job.text, (std::vector<std::string>{"QUILLMARK", "PLATE 42"}));
  EXPECT_EQ(job.settings.TTYPE, ModeCwArc);
  EXPECT_EQ(job.settings.XSTART, "4");
  EXPECT_EQ(job.settings.XEND, "3");
  EXPECT_EQ(job.settings.TANGLE, "150");
}

}  // namespace
}  // namespace quill

// Without an X display there is nothing to run on, and that is a failure that says what to install.
// Whatever the program or Qt would keep in the user's folders goes to a folder of the run's own.
int main(int argc, char** argv) {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    std::cout << "No X display: the operator scenario runs under xvfb-run; install xvfb (scripts/deps.sh --tests)\n";
    return 1;
  }
  quill::test::TempDir outside;
  setenv("HOME", outside.path().c_str(), 1);
  setenv("XDG_RUNTIME_DIR", outside.path().c_str(), 1);
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
    setenv(name, outside.File(name).c_str(), 1);
  }
  unsetenv("QUILLMARK_HOME");
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
