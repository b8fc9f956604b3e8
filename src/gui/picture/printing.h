// The picture leaving the screen: "&Print" through the system's printer (or a PDF file), "Printer
// &Setup ...", "Print Sample &Fonts ...", and the picture as a bitmap or as SVG for the clipboard.
// The print status window offers Esc to abort a print.
#pragma once

#include <QImage>
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

class QMimeData;
class QWidget;

namespace quill {

class Job;
class QtCanvas;
class PrintStatusWindow;

class Printing {
 public:
  // picture: the picture area, whose size the bitmap takes.
  Printing(Job& job, QWidget& picture);
  ~Printing();

  // The print dialog: true when the operator chose to print.  Tests replace it.
  using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
  void SetPrintDialog(PrintDialog dialog) { dialog_ = std::move(dialog); }
  QPrinter& Printer() { return printer_; }
  PrintStatusWindow& Status() { return *status_; }

  void PrintPicture();
  void PrinterSetup();
  void PrintSampleFonts();
  // "&Copy": the picture as a bitmap on the clipboard.
  void CopyBitmap();
  // The picture as the view shows it: a bitmap as large as the picture area, and SVG; with emfFile, the
  // metafile's bytes too.
  QImage PictureImage();
  QMimeData* PictureMimeData(const std::string& emfFile = {});

 private:
  void Abort();
  void RunPrint(const std::string& title, const std::string& shown, const std::function<void(QtCanvas&)>& draw);

  Job& job_;
  QWidget& picture_;
  QPrinter printer_;
  std::unique_ptr<PrintStatusWindow> status_;
  PrintDialog dialog_;
  bool printing_ = false;
  bool aborted_ = false;
};

}  // namespace quill
