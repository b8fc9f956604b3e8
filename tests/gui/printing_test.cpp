// Printing to a PDF file without a printer, the print's colours, Esc to abort, the clipboard copies
// and the sample-font sheet.
#include <QClipboard>
#include <QMimeData>
#include <QTimer>
#include <filesystem>

#include "main_window_fixture.h"
#include "picture/printing.h"
#include "picture/printing_status.h"

namespace quill {
namespace {

class PrintingTest : public MainWindowTest {
 protected:
  PrintingTest() {
    main->Printer().SetPrintDialog([this](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf));
      return true;
    });
  }
  std::string pdf = home.File("picture.pdf");
};

TEST_F(PrintingTest, PrintGoesToAPdfFileAndTheScreenColoursStay) {
  WriteTextPath();
  WriteArtwork();
  job.prefs.ArtColor = clFuchsia;
  Trigger("Print");
  std::string printed = test::ReadFile(pdf);
  EXPECT_EQ(printed.substr(0, 4), "%PDF");
  EXPECT_EQ(job.prefs.ArtColor, clFuchsia);
  EXPECT_TRUE(job.prefs.ShowToolImage);
  EXPECT_EQ(main->Printer().Status().Shown(), "UNTITLED");
  EXPECT_FALSE(main->Printer().Status().isVisible());
  EXPECT_EQ(main->Printer().Printer().docName(), "QUILLMARK PRO -- ");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrintingTest, EscInTheStatusWindowAbortsThePrint) {
  {
    TextPathWriter out(job.paths.TextPathFileName);
    for (int i = 0; i < 400; ++i) out.Write(i % 2 ? TpLine : TpMove, 0, i * 0.01, (i % 7) * 0.1);
  }
  job.flags.TextPathGenerated = true;
  QTimer::singleShot(0, [this] { QTest::keyClick(&main->Printer().Status(), Qt::Key_Escape); });
  Trigger("Print");
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Printing aborted"});
}

TEST_F(PrintingTest, SampleFontsAreListedOnPaper) {
  Trigger("Print Sample Fonts ...");
  EXPECT_EQ(test::ReadFile(pdf).substr(0, 4), "%PDF");
  EXPECT_EQ(main->Printer().Status().Shown(), "Sample Fonts");
  EXPECT_EQ(main->Printer().Printer().docName(), "QUILLMARK -- Sample Fonts");
}

// Each font's name is printed as text on the paper, with nothing painted behind it.
TEST_F(PrintingTest, SampleFontsArePrintedWithoutBarsBehindTheNames) {
  Trigger("Print Sample Fonts ...");
  // Qt writes the page description uncompressed: text runs (BT) and filled rectangles (re, f) show.
  std::string page = test::ReadFile(pdf);
  EXPECT_NE(page.find("BT"), std::string::npos) << "no text on the page";
  EXPECT_EQ(page.find("re\nf"), std::string::npos) << "a filled bar on the page";
}

TEST_F(PrintingTest, CopyPutsTheBitmapAndCopyMetafileTheFileAndSvgOnTheClipboard) {
  WriteArtwork();
  Trigger("Extents");
  Trigger("Copy");
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), Picture().size());
  std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(home.path());
  test::WriteFile(home.File("QP2008.EMF"), "old");
  Trigger("Copy Metafile");
  std::filesystem::current_path(was);
  EXPECT_GT(test::ReadFile(home.File("QP2008.EMF")).size(), 100u);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));
  EXPECT_EQ(data->data("image/x-emf").size(), static_cast<qsizetype>(test::ReadFile(home.File("QP2008.EMF")).size()));
}

}  // namespace
}  // namespace quill
