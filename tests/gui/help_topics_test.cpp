// Help that answers: every help page the program opens (by a window's Help button or menu, or by a
// context number) is installed in data/help, and every installed page is in the table of contents,
// whose every link leads to an installed page.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <set>

#include "main_window_fixture.h"
#include "shell/help_contexts.h"
#include "shell/help_window.h"

namespace quill {
namespace {

using Pages = std::set<std::string>;

std::string HelpDir() {
  return test::SourceDir() + "/data/help/";
}

Pages InstalledPages() {
  Pages pages;
  for (const QFileInfo& f : QDir(QString::fromStdString(HelpDir())).entryInfoList({"*.html"}, QDir::Files)) {
    pages.insert(f.completeBaseName().toStdString());
  }
  return pages;
}

// The pages the table of contents links to (a link's #part left off).
Pages ContentsPages() {
  Pages pages;
  static const QRegularExpression link("href=\"([^\"#]+)\\.html");
  QString contents = QString::fromStdString(test::ReadFile(HelpDir() + HelpContentsPage + ".html"));
  for (const QRegularExpressionMatch& m : link.globalMatch(contents)) pages.insert(m.captured(1).toStdString());
  return pages;
}

bool MentionsHelp(QString text) {
  return text.remove('&').contains("Help");
}

class HelpTopicsTest : public MainWindowTest {
 protected:
  HelpTopicsTest() { RegisterAllWindows(context, main.get()); }

  HelpWindow& Help() { return *main->findChild<HelpWindow*>(HelpWindowClass); }

  // The page one press of a Help control shows; empty when it showed none.
  template <class Press>
  std::string PageShownBy(Press press) {
    Help().ShowPage(HelpTutorialsPage);  // no Help control opens the tutorials
    press();
    std::string page = Help().CurrentPage();
    return page == HelpTutorialsPage ? std::string() : page;
  }

  // Every Help button and Help menu item of every window but the main one.
  std::map<std::string, std::string> PagesOfHelpControls() {
    std::map<std::string, std::string> shown;  // control -> page
    for (QAbstractButton* b : main->findChildren<QAbstractButton*>()) {
      if (!MentionsHelp(b->text()) && !MentionsHelp(b->toolTip())) continue;
      std::string control = b->window()->objectName().toStdString() + " / " + b->text().toStdString();
      shown[control] = PageShownBy([b] { b->click(); });
    }
    for (QAction* a : main->findChildren<QAction*>()) {
      if (a->menu() || !MentionsHelp(a->text()) || a->parent() == main.get()) continue;
      std::string control = a->parent()->objectName().toStdString() + " / " + a->text().toStdString();
      shown[control] = PageShownBy([a] { a->trigger(); });
    }
    return shown;
  }
};

TEST_F(HelpTopicsTest, EveryHelpButtonAndMenuOpensAnInstalledPage) {
  const Pages installed = InstalledPages();
  Pages opened;
  for (const auto& [control, page] : PagesOfHelpControls()) {
    EXPECT_FALSE(page.empty()) << control << " opens no page";
    EXPECT_TRUE(installed.count(page)) << control << " opens " << page << ", which is not installed";
    opened.insert(page);
  }
  for (const char* page : {"Generate_Tool_Path", "Reference_Frame", "Project_On_Surface", "Raised_Inset_Letters",
                           "3D_Bitmap_Scan", "Merge_Data", "Serial_Numbers", "Art_Workshop", "NC_Editor",
                           "Scan_Trace", "Raster_To_Vector_Settings"}) {
    EXPECT_TRUE(opened.count(page)) << "no Help control opens " << page;
  }
}

TEST(HelpTopics, EveryContextNumberHasItsPage) {
  const Pages installed = InstalledPages();
  int numbered = 0;
  for (int context = 1; context <= 1000; ++context) {
    std::string page = HelpPageOfContext(context);
    if (page == HelpContentsPage) continue;
    ++numbered;
    EXPECT_TRUE(installed.count(page)) << "context " << context << ": " << page << " is not installed";
  }
  EXPECT_GE(numbered, 5);
  EXPECT_TRUE(installed.count(HelpContentsPage));
  EXPECT_TRUE(installed.count(HelpTutorialsPage));
}

TEST(HelpTopics, TheContentsListEveryInstalledPageAndOnlyThose) {
  const Pages installed = InstalledPages(), listed = ContentsPages();
  for (const std::string& page : installed) {
    if (page == HelpContentsPage) continue;
    EXPECT_TRUE(listed.count(page)) << page << " is not in the contents";
  }
  for (const std::string& page : listed) EXPECT_TRUE(installed.count(page)) << "the contents link " << page;
}

}  // namespace
}  // namespace quill
