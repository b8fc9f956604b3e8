#include "shell/qt_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace quill {
namespace {

// Presses the button with this text in the next message box that opens.
void PressWhenShown(const QString& text) {
  QTimer::singleShot(0, [text] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      for (QAbstractButton* b : box->buttons()) {
        if (b->text().remove('&') == text) b->click();
      }
    }
  });
}

TEST(QtUi, MessageBoxesGiveThePressedButton) {
  QtUi ui;
  PressWhenShown("No");
  EXPECT_EQ(ui.Show({"File Has Been Modified, Save ?", MsgKind::Confirmation, BtnYesNoCancel, Answer::Yes, 0, {}}),
            Answer::No);
  PressWhenShown("OK");
  EXPECT_EQ(ui.Show({"No text specified", MsgKind::Error, BtnOk, Answer::Ok, 0, {}}), Answer::Ok);
}

// Every box of the program carries the program's title, whatever caption its message names.
TEST(QtUi, EveryBoxCarriesTheProgramsTitle) {
  QtUi ui;
  QStringList titles;
  for (const char* caption : {"", "VELTRAPORT"}) {
    QTimer::singleShot(0, [&titles] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      titles << box->windowTitle();
      box->accept();
    });
    ui.Show({"Delete Current Macro ?", MsgKind::Confirmation, BtnYesNo, Answer::No, 0, caption});
  }
  EXPECT_EQ(titles.join(" | ").toStdString(), "QUILLMARK-PRO-2008 | QUILLMARK-PRO-2008");
}

TEST(QtUi, StatusGoesToTheWindowThatShowsItsChannel) {
  QtUi ui;
  std::string seen;
  ui.RouteStatus(StatusChannel::TextPathConsole, [&](const std::string& t, ConsoleColor, bool nl) {
    seen += t + (nl ? "\n" : "");
  });
  long counted = 0;
  ui.RouteCounter(StatusChannel::ToolPathCounter, [&](long v) { counted = v; });
  ui.Status(StatusChannel::TextPathConsole, "A", ConsoleColor::Green, false);
  ui.Status(StatusChannel::TextPathConsole, "Tilting The Text ...", ConsoleColor::Blue, true);
  ui.Status(StatusChannel::ImportStatus, "nobody listens", ConsoleColor::Normal, true);
  ui.Counter(StatusChannel::ToolPathCounter, 42);
  EXPECT_EQ(seen, "ATilting The Text ...\n");
  EXPECT_EQ(counted, 42);
}

}  // namespace
}  // namespace quill
