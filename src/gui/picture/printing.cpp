#include "picture/printing.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QSvgGenerator>

#include "fonts/font_families.h"
#include "job/job.h"
#include "picture/printing_status.h"
#include "qtcanvas/qt_canvas.h"
#include "ui/ui.h"
#include "view/picture.h"
#include "view/print_job.h"
#include "view/sample_fonts.h"

namespace quill {

namespace {

bool ExecPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

Printing::Printing(Job& job, QWidget& picture)
    : job_(job),
      picture_(picture),
      printer_(QPrinter::HighResolution),
      status_(std::make_unique<PrintStatusWindow>(picture.window())),
      dialog_(ExecPrintDialog) {
  QObject::connect(status_.get(), &PrintStatusWindow::AbortRequested, [this] { Abort(); });
}

Printing::~Printing() = default;

void Printing::Abort() {
  if (!printing_ || aborted_) return;
  aborted_ = true;
  printer_.abort();
}

// One print job: the status window while it runs, the painter on the printer, the report at its end.
void Printing::RunPrint(const std::string& title, const std::string& shown,
                        const std::function<void(QtCanvas&)>& draw) {
  printer_.setDocName(QString::fromLocal8Bit(title.c_str()));
  printing_ = true;  // Esc counts from the moment the status window shows
  aborted_ = false;
  status_->Begin(shown);
  {
    BusyScope busy(job_.ui);
    QtCanvas page(printer_);
    draw(page);
    page.End();
  }
  printing_ = false;
  status_->End();
  if (aborted_) {
    job_.ui.Inform("Printing aborted");
  } else if (printer_.printerState() == QPrinter::Error) {
    job_.ui.Warn("The printer could not print the page [" + printer_.printerName().toStdString() +
                 printer_.outputFileName().toStdString() + "]");
  }
}

void Printing::PrintPicture() {
  if (!dialog_(printer_, picture_.window())) return;
  PrintSettings settings(job_);
  RunPrint("QUILLMARK PRO -- " + job_.paths.ProjectFile, job_.paths.ProjectFile, [&](QtCanvas& page) {
    settings.ScaleToPage(page.Width(), page.Height(), printer_.logicalDpiX(), printer_.logicalDpiY());
    PrintCanvas pen(page, job_.prefs.PrintLineWidth, aborted_);
    DrawPicture(job_, pen);
  });
}

void Printing::PrinterSetup() {
  QPageSetupDialog dialog(&printer_, picture_.window());
  dialog.exec();
}

void Printing::PrintSampleFonts() {
  if (!dialog_(printer_, picture_.window())) return;
  RunPrint("QUILLMARK -- Sample Fonts", "Sample Fonts", [&](QtCanvas& page) {
    PrintCanvas pen(page, 1, aborted_);
    PrintSampleFontList(job_.ui, pen, InstalledFontFamilies(), [this] { return !aborted_ && printer_.newPage(); });
  });
}

QImage Printing::PictureImage() {
  QImage image(picture_.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QtCanvas canvas(image, picture_.logicalDpiX());
  DrawPicture(job_, canvas);
  canvas.End();
  return image;
}

void Printing::CopyBitmap() {
  QGuiApplication::clipboard()->setImage(PictureImage());
}

QMimeData* Printing::PictureMimeData(const std::string& emfFile) {
  auto* data = new QMimeData;
  QImage image = PictureImage();
  data->setImageData(image);
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(image.size());
  generator.setViewBox(QRect(QPoint(0, 0), image.size()));
  generator.setResolution(picture_.logicalDpiX());
  {
    QtCanvas canvas(generator, picture_.logicalDpiX());
    DrawPicture(job_, canvas);
  }
  data->setData("image/svg+xml", svg.data());
  QFile emf(QString::fromLocal8Bit(emfFile.c_str()));
  if (!emfFile.empty() && emf.open(QIODevice::ReadOnly)) data->setData("image/x-emf", emf.readAll());
  return data;
}

}  // namespace quill
