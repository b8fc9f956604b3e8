// Printing to a PDF file without a printer, the print's colours, Esc to abort, the clipboard copies
// and the sample-font sheet.
#include <QClipboard>
#include <QMimeData>
#include <QTimer>
#include <QtEndian>
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

// The page descriptions of a PDF file as text: Qt packs them with Flate; the fonts' streams are left out.
std::string PdfPageContent(const std::string& pdf) {
  std::string content;
  for (size_t at = 0; (at = pdf.find("stream\n", at)) != std::string::npos;) {
    size_t start = at + 7, end = pdf.find("endstream", start);
    if (end == std::string::npos) break;
    std::string dictionary = pdf.substr(pdf.rfind("<<", at), at - pdf.rfind("<<", at));
    at = end + 9;
    if (dictionary.find("/FlateDecode") == std::string::npos || dictionary.find("/Length1") != std::string::npos) {
      continue;
    }
    QByteArray packed(4, 0);
    qToBigEndian<quint32>(static_cast<quint32>((end - start) * 100), packed.data());
    packed.append(pdf.data() + start, static_cast<qsizetype>(end - start));
    content += qUncompress(packed).toStdString();
  }
  return content;
}

// Each font's name is printed as text on the paper, with nothing painted behind it.
TEST_F(PrintingTest, SampleFontsArePrintedWithoutBarsBehindTheNames) {
  Trigger("Print Sample Fonts ...");
  // Text runs (BT) and filled rectangles (re, f) are operators of the page description.
  std::string page = PdfPageContent(test::ReadFile(pdf));
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
