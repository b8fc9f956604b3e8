// Project Properties from the File menu: Extents first, then the four groups with their "N/A" rules.
#include <QTimer>

#include "main_window_fixture.h"
#include "shell/project_properties.h"
#include "shell/window_directory.h"

namespace quill {
namespace {

class ProjectPropertiesTest : public MainWindowTest {
 protected:
  ProjectPropertiesTest() { RegisterShellWindows(context, main.get()); }
  ProjectPropertiesDlg& Dialog() { return *main->findChild<ProjectPropertiesDlg*>(); }

  // Opens the dialog from the menu and reads the values it shows, then closes it with OK.
  std::map<QString, QString> Open() {
    std::map<QString, QString> shown;
    QTimer::singleShot(100, [&] {
      for (const char* name : {"TextCharacters", "TextEntities", "TextExtents", "ArtEntities", "ArtExtents",
                               "ToolBlocks", "RapidLength", "TotalLength", "ToolExtents", "TotalExtents"}) {
        shown[name] = Dialog().Value(name);
      }
      shown["calculating"] = Dialog().Calculating() ? "yes" : "no";
      Dialog().accept();
    });
    Trigger("Project Properties");
    return shown;
  }
};

TEST_F(ProjectPropertiesTest, TextOnlyShowsNotAvailableForArtworkToolPathAndTotals) {
  job.text = {"AB", "C"};
  WriteTextPath();
  std::map<QString, QString> shown = Open();
  EXPECT_EQ(Dialog().windowTitle(), "Project Properties");
  EXPECT_EQ(shown["calculating"], "no");
  EXPECT_EQ(shown["TextCharacters"], "3");
  EXPECT_EQ(shown["TextEntities"], "3");
  EXPECT_EQ(shown["TextExtents"], "Min X: 0.00000, Min Y: 0.00000, Max X: 2.00000, Max Y: 1.00000");
  for (const char* na : {"ArtEntities", "ArtExtents", "ToolExtents", "TotalExtents"}) EXPECT_EQ(shown[na], "N/A") << na;
  EXPECT_EQ(shown["ToolBlocks"], "0");
  EXPECT_EQ(shown["TotalLength"], "0.0");
}

TEST_F(ProjectPropertiesTest, ToolPathFiguresOutliveTheToolPath) {
  WriteToolPath();
  std::map<QString, QString> shown = Open();
  EXPECT_EQ(shown["ToolBlocks"], "5");
  EXPECT_NE(shown["ToolExtents"], "N/A");
  EXPECT_EQ(shown["TotalExtents"], shown["ToolExtents"]);
  ui.answers = {Answer::Yes};
  Trigger("Delete Tool Path");
  std::map<QString, QString> again = Open();
  EXPECT_EQ(again["ToolBlocks"], "5");
  EXPECT_EQ(again["TotalLength"], shown["TotalLength"]);
  EXPECT_EQ(again["ToolExtents"], "N/A");
}

}  // namespace
}  // namespace quill
