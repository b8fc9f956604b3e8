// The help window: pages by context number and by name, the contents, and the topic index's search.
#include <QLineEdit>
#include <QTextBrowser>

#include "main_window_fixture.h"
#include "shell/help_contexts.h"
#include "shell/help_window.h"

namespace quill {
namespace {

TEST(HelpWindow, ContextNumbersOpenTheirPagesAndOthersTheContents) {
  HelpWindow help(test::SourceDir() + "/data/help/");
  help.ShowContext(1);
  EXPECT_EQ(help.CurrentPage(), "Quillmark_Settings");
  help.ShowContext(8);
  EXPECT_EQ(help.CurrentPage(), "Generate_Tool_Path");
  help.ShowContext(4711);
  EXPECT_EQ(help.CurrentPage(), HelpContentsPage);
  help.ShowPage(HelpTutorialsPage);
  EXPECT_EQ(help.CurrentPage(), "Tutorials");
  EXPECT_TRUE(help.isVisible());
}

TEST(HelpWindow, TheIndexListsEveryPageAndFindsByWord) {
  HelpWindow help(test::SourceDir() + "/data/help/");
  help.ShowIndex();
  QStringList all = help.ListedTopics();
  EXPECT_GE(all.size(), 6);
  QTest::keyClicks(help.findChild<QLineEdit*>(), "simul");
  QStringList found = help.ListedTopics();
  ASSERT_FALSE(found.isEmpty());
  for (const QString& t : found) EXPECT_TRUE(t.contains("simul", Qt::CaseInsensitive)) << t.toStdString();
  EXPECT_LT(found.size(), all.size());
}

TEST(HelpWindow, AMissingPageSaysSoInsteadOfShowingNothing) {
  HelpWindow help(test::SourceDir() + "/data/help/");
  help.ShowPage(HelpTutorialsPage);
  help.ShowPage("No_Such_Page");
  EXPECT_EQ(help.CurrentPage(), "No_Such_Page");
  EXPECT_TRUE(help.findChild<QTextBrowser*>()->toPlainText().contains("not installed"));
}

class HelpFromTheMenuTest : public MainWindowTest {};

TEST_F(HelpFromTheMenuTest, HelpMenuAndButtonOpenTheHelpWindow) {
  main->Button("Show Help")->trigger();
  HelpWindow* help = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* h = qobject_cast<HelpWindow*>(w)) help = h;
  }
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->CurrentPage(), HelpContentsPage);
  Trigger("Tutorials");
  EXPECT_EQ(help->CurrentPage(), "Tutorials");
  help->close();
}

}  // namespace
}  // namespace quill
