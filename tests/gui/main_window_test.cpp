// TMainform: its menus, buttons and shortcuts, the gated commands, the NC file loop, recent projects,
// Generate with Convert to Artwork, the font compiler's choosers, Import-Artwork and the close.
#include <QDialog>
#include <QMenuBar>
#include <QToolBar>

#include "main_window_fixture.h"
#include "shell/main_window_links.h"

namespace quill {
namespace {

TEST_F(MainWindowTest, MenusCarryAccessKeysShortcutsAndButtonsTheirHints) {
  QStringList menus;
  for (QAction* a : main->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Quillcore", "&Artwork", "&Tool Path", "&View", "&Setup", "&Help"}));
  const std::pair<const char*, const char*> shortcuts[] = {
      {"Generate", "Ctrl+G"}, {"Art Workshop", "Ctrl+W"}, {"Create Tool Path", "Ctrl+T"},
      {"Generate NC-Code", "Ctrl+N"}, {"Extents", "Ctrl+E"}, {"Zoom", "Ctrl+Z"}, {"Simulate", "Ctrl+S"},
      {"Solid Model", "Ctrl+V"}};
  for (auto [caption, keys] : shortcuts) {
    ASSERT_NE(main->MenuItem(caption), nullptr) << caption;
    EXPECT_EQ(main->MenuItem(caption)->shortcut().toString(), keys) << caption;
  }
  EXPECT_EQ(main->MenuItem("Project Properties")->text(), "Project P&roperties");
  EXPECT_EQ(main->MenuItem("Edit NC-Code FIle")->text(), "&Edit NC-Code FIle");
  EXPECT_EQ(main->findChild<QToolBar*>("ButtonBar")->actions().size(), 16);
  EXPECT_EQ(main->Button("Generate Engraving")->text(), "Go");
  EXPECT_NE(main->Button("Exit From QUILLMARK"), nullptr);
  QStringList picture;
  for (QAction* a : Picture().actions()) picture << a->text();
  EXPECT_EQ(picture, QStringList({"&Extents", "&Previous", "&Refresh", "&Zoom"}));
  EXPECT_FALSE(main->MenuItem("Solid Model")->isVisible());
  main->ShowSolidModel(true);
  EXPECT_TRUE(main->MenuItem("Solid Model")->isVisible());
}

TEST_F(MainWindowTest, GatedCommandsSayWhatIsMissing) {
  for (const char* caption : {"Delete Curent Text", "Convert to Artwork", "Delete All Artwork", "Modify Artwork",
                              "Raised / Inset Letters", "Delete Tool Path", "Generate NC-Code"}) {
    Trigger(caption);
  }
  main->Button("Generate NC-Code")->trigger();
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                            "No Text to Delete", "Text Path Has Not Been Generated Yet", "No Artwork to Delete",
                            "Art File has not been Imported / Created Yet", "Text Path Has Not Been Generated Yet",
                            "Tool Path Has Not Been Created Yet", "Tool Path Has Not Been Created Yet",
                            "Tool Path Has Not Been Created Yet"}));
}

TEST_F(MainWindowTest, DeletingAskedForGoesOnlyAfterYes) {
  WriteTextPath();
  WriteArtwork();
  WriteToolPath();
  ui.answers = {Answer::No, Answer::Yes, Answer::Yes, Answer::Yes};
  Trigger("Delete All Artwork");
  EXPECT_TRUE(job.flags.ArtworkPresent);
  Trigger("Delete All Artwork");
  Trigger("Delete Curent Text");
  Trigger("Delete Tool Path");
  EXPECT_FALSE(job.flags.ArtworkPresent || job.flags.TextPathGenerated || job.flags.ToolPathCreated);
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
}

// A stand-in for the NC-code generator window, as the main window sees it.
class FakeGenerator : public QDialog, public NcFileNameLink {
 public:
  void SetNcFileName(const std::string& fileName) override { names.push_back(fileName); }
  std::vector<std::string> names;
};

class NcSaveTest : public MainWindowTest {
 protected:
  NcSaveTest() {
    windows.Register("TNCPOSTForm", [this](QWidget*) {
      generator.show();
      return static_cast<int>(QDialog::Accepted);
    });
    WriteToolPath();
    test::WriteFile(home.File("old.TAP"), "%\r\n");
  }
  FakeGenerator generator;
};

TEST_F(NcSaveTest, NoOpensTheChooserAgainAndTheNameGoesToTheGenerator) {
  choosers->answers = {home.File("old.TAP"), home.File("new.TAP")};
  ui.answers = {Answer::No};
  Trigger("Generate NC-Code");
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Do you really want to overwrite old.TAP?"});
  EXPECT_EQ(generator.names, (std::vector<std::string>{"NONE", home.File("new.TAP")}));
  EXPECT_TRUE(generator.isVisible());
  ASSERT_EQ(choosers->asked.size(), 2u);
  EXPECT_EQ(choosers->asked[0],
            "NC-Code files (*.TAP)|*.TAP|Text Files (*.txt)|*.txt|All files (*.*)|*.* @ " + job.paths.TapeDir);
}

TEST_F(NcSaveTest, CancelInTheChooserHidesTheGeneratorCancelInTheQuestionKeepsIt) {
  Trigger("Generate NC-Code");
  EXPECT_FALSE(generator.isVisible());
  choosers->answers = {home.File("old.TAP")};
  ui.answers = {Answer::Cancel};
  Trigger("Generate NC-Code");
  EXPECT_TRUE(generator.isVisible());
  EXPECT_EQ(generator.names, (std::vector<std::string>{"NONE", "NONE"}));
  choosers->answers = {home.File("old.TAP")};
  ui.answers = {Answer::Yes};
  Trigger("Generate NC-Code");
  EXPECT_EQ(generator.names.back(), home.File("old.TAP"));
}

TEST_F(MainWindowTest, RecentProjectsInTheMenuAndTheCaption) {
  std::string a = home.File("A.QLM");
  test::WriteFile(a, "$QUILLVER\r\n7.0100\r\n$TEXTHIGH\r\n2.5\r\n$BEGINTEXT\r\nALPHA\r\n");
  main->RefreshRecentMenu();
  EXPECT_FALSE(main->MenuItem("1 ")->isVisible());
  EXPECT_EQ(main->windowTitle(), "QUILLMARK PRO-2008 -- ");
  job.prefs.RecentProjects = {a, "", "", ""};
  main->RefreshRecentMenu();
  QAction* first = main->MenuItem(QString::fromStdString("1 " + a));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(main->MenuItem("2 ")->isVisible());
  // A modified job is offered for saving first; Cancel keeps it.
  job.flags.ProjectModified = true;
  ui.answers = {Answer::Cancel, Answer::No};
  first->trigger();
  EXPECT_EQ(job.paths.ProjectFile, "");
  first->trigger();
  EXPECT_EQ(job.paths.ProjectFile, a);
  EXPECT_EQ(job.text, std::vector<std::string>{"ALPHA"});
  EXPECT_EQ(main->windowTitle().toStdString(), "QUILLMARK PRO-2008 -- " + a);
}

// A file that is not a project is reported and changes nothing: it does not become the project (so Save
// cannot write over it), does not enter the recent list, and the job in hand stays.
TEST_F(MainWindowTest, OpeningAFileThatIsNoProjectLeavesTheJobAsItWas) {
  std::string project = home.File("A.QLM"), notes = home.File("notes.txt");
  test::WriteFile(project, "$QUILLVER\r\n7.0100\r\n$TEXTHIGH\r\n2.5\r\n$BEGINTEXT\r\nALPHA\r\n");
  test::WriteFile(notes, "shopping list\r\n");
  choosers->answers = {project, notes, home.File("missing.QLM")};
  Trigger("Open Project ...");
  ASSERT_EQ(job.paths.ProjectFile, project);
  auto recent = job.prefs.RecentProjects;
  std::string caption = main->windowTitle().toStdString();

  Trigger("Open Project ...");
  Trigger("Open Project ...");
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Not a Valid QUILLMARK File", "File Open error"}));
  EXPECT_EQ(job.paths.ProjectFile, project);
  EXPECT_EQ(job.prefs.RecentProjects, recent);
  EXPECT_EQ(main->windowTitle().toStdString(), caption);
  EXPECT_EQ(job.settings.TEXTHIGH, "2.5");
  EXPECT_EQ(job.text, std::vector<std::string>{"ALPHA"});
  Trigger("Save Project ...");
  EXPECT_EQ(test::ReadFile(notes), "shopping list\r\n");
}

TEST_F(MainWindowTest, SaveWithoutANameAsksForOneAndKeepsTheRecentList) {
  job.text = {"HELLO"};
  job.flags.ProjectModified = true;
  choosers->answers = {home.File("JOB.QLM")};
  Trigger("Save Project ...");
  EXPECT_TRUE(test::FileExists(home.File("JOB.QLM")));
  EXPECT_FALSE(job.flags.ProjectModified);
  EXPECT_EQ(job.prefs.RecentProjects[0], home.File("JOB.QLM"));
  EXPECT_EQ(choosers->asked[0], "Quillcore Files|*.QLM|All Files|*.* @ ");
}

// A stand-in for the text path window: closes with OK with "Convert to Artwork" ticked.
class FakeTextPathWindow : public QDialog, public ConvertToArtworkLink {
 public:
  bool ConvertToArtworkChecked() const override { return true; }
};

TEST_F(MainWindowTest, GenerateWithConvertToArtworkTurnsTheTextPathIntoArtwork) {
  FakeTextPathWindow textWindow;
  windows.Register("TGenForm", [this](QWidget*) {
    WriteTextPath();
    return static_cast<int>(QDialog::Accepted);
  });
  Trigger("Generate");
  EXPECT_FALSE(job.flags.TextPathGenerated);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_EQ(test::ReadLines(job.paths.ArtFileName).size(), 3u);
  EXPECT_TRUE(job.flags.DisplayIdle);
}

TEST_F(MainWindowTest, GenerateShowsTheNewTextPathInTheWindowItFramed) {
  windows.Register("TGenForm", [this](QWidget*) {
    WriteTextPath();
    job.view.ViewWindow = {-0.5, -0.5, 2.5, 1.5};
    return static_cast<int>(QDialog::Accepted);
  });
  Trigger("Generate");
  QImage picture = Picture().Image();
  bool green = false;
  for (int y = 0; y < picture.height() && !green; ++y) {
    for (int x = 0; x < picture.width() && !green; ++x) green = picture.pixelColor(x, y) == QColor(0, 128, 0);
  }
  EXPECT_TRUE(green);
  EXPECT_NEAR(Picture().View().Window().Xmin(), -0.5, 1.0);
}

TEST(FileChooserFilters, PatternsFollowTheDescriptionInQtsForm) {
  EXPECT_EQ(QtFileFilter("DXF Files (*.DXF)|*.DXF|HPGL FIles (.HGL,.PLT)|*.HGL;*.PLT|All FIles (*.*)|*.*"),
            "DXF Files (*.DXF);;HPGL FIles (*.HGL *.PLT);;All FIles (*.*)");
  EXPECT_EQ(QtFileFilter("Quillmark Fonts|*.QXF"), "Quillmark Fonts (*.QXF)");
}

TEST_F(MainWindowTest, CompileFontProposesTheSourceNameEndingInF) {
  std::string source = home.File("MYFONT.QXS");
  test::WriteFile(source, test::ReadFile(test::SourceDir() + "/data/fonts/SIMPLEX.QXS"));
  choosers->answers = {source, home.File("MYFONT.QXF")};
  Trigger("Compile Font");
  ASSERT_EQ(choosers->asked.size(), 2u);
  EXPECT_EQ(choosers->asked[0], "Font Source (*.QXS)|*.QXS @ " + job.paths.FontDir);
  EXPECT_EQ(choosers->asked[1], "Quillmark Fonts|*.QXF @ " + home.File("MYFONT.QXF"));
  EXPECT_GT(test::ReadFile(home.File("MYFONT.QXF")).size(), 1000u);
  choosers->answers = {home.File("MYFONT.QXF")};
  Trigger("De-Compile Font");
  EXPECT_EQ(choosers->asked.back(), "Font Source (*.QXS)|*.QXS @ " + home.File("MYFONT.QXS"));
}

TEST_F(MainWindowTest, ImportArtworkChoosesTheFormatByTheNameAndReportsAnUnreadableFile) {
  std::string tmg = home.File("part.TMG.DXF");  // .TMG is found first
  test::WriteFile(tmg, "2 0 0 0 0.0 0.0 0.0 1.0 1.0 0.0 0.0\r\n-999 0 0 0 0 0 0 0 0 0 0\r\n");
  choosers->answers = {tmg};
  Trigger("Import-Artwork");
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_TRUE(ui.messages.empty());
  choosers->answers = {home.File("missing.plt")};
  Trigger("Import-Artwork");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.Texts()[0], "Cannot read the file [" + home.File("missing.plt") + "]");
  EXPECT_TRUE(job.flags.ArtworkPresent);
}

TEST_F(MainWindowTest, CloseIsRefusedWhileDrawingOrWhenTheSaveQuestionIsCancelled) {
  WriteTextPath();
  job.flags.DisplayIdle = false;
  EXPECT_FALSE(main->close());
  EXPECT_TRUE(ui.messages.empty());
  job.flags.DisplayIdle = true;
  job.flags.ProjectModified = true;
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(main->close());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"File Has Been Modified, Save ?"});
  ui.answers = {Answer::No};
  EXPECT_TRUE(main->close());
  EXPECT_FALSE(test::FileExists(job.paths.TextPathFileName));
  EXPECT_TRUE(test::FileExists(job.paths.IniFileName));
}

}  // namespace
}  // namespace quill
