// Helpers of the settings, preferences and text-entry window tests: a job on a scripted Ui in a
// temporary home, an active window to type into, and fields found by their object names.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <string>

#include "job/job.h"
#include "job/paths.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

class DialogTest : public testing::Test {
 protected:
  DialogTest() { BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/data/"); }

  // Shows the window and makes it the active one, so that focus moves as the operator's would.
  static void ShowActive(QWidget& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }

  template <typename T = QWidget>
  static T* Find(const QWidget& parent, const char* name) {
    T* w = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Gives the field the focus, replaces its text as typed and leaves it with Tab.
  static void TypeAndLeave(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
  }

  test::TempDir home;
  TestUi ui;
  Job job{ui};
};

}  // namespace quill
