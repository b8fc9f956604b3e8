#include "raster/picture_qt.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <set>

#include "mathlib/number_text.h"
#include "raster/picture_file.h"
#include "shell/latin1.h"
#include "ui/ui.h"

namespace quill {

QImage ToQImage(const Picture& picture) {
  if (picture.Empty()) return {};
  bool grey = picture.Format() == PixelFormat::Grey8;
  QImage image(picture.Width(), picture.Height(), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  size_t bytes = static_cast<size_t>(picture.Width()) * (grey ? 1 : 3);
  for (int y = 0; y < picture.Height(); ++y) std::copy(picture.Row(y), picture.Row(y) + bytes, image.scanLine(y));
  return image;
}

Picture FromQImage(const QImage& image) {
  if (image.isNull() || !CheckPictureSize(image.width(), image.height()).empty()) return {};
  bool grey = image.isGrayscale() && !image.hasAlphaChannel();
  if (grey) {
    QImage g = image.convertToFormat(QImage::Format_Grayscale8);
    Picture p(g.width(), g.height(), PixelFormat::Grey8);
    for (int y = 0; y < g.height(); ++y) std::copy(g.constScanLine(y), g.constScanLine(y) + g.width(), p.Row(y));
    return p;
  }
  // Transparent parts are shown on white, as the picture would be printed.
  QImage flat(image.size(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  QPainter(&flat).drawImage(0, 0, image);
  Picture p(flat.width(), flat.height(), PixelFormat::Rgb24);
  for (int y = 0; y < flat.height(); ++y) {
    std::copy(flat.constScanLine(y), flat.constScanLine(y) + 3 * flat.width(), p.Row(y));
  }
  return p;
}

std::string PictureOpenFilter() {
  std::set<std::string> formats = {"bmp", "tif", "tiff"};
  for (const QByteArray& f : QImageReader::supportedImageFormats()) formats.insert(f.toLower().toStdString());
  std::string all, each;
  for (const std::string& f : formats) {
    std::string pattern = "*." + UpperCased(f);
    all += (all.empty() ? "" : ";") + pattern;
    each += "|" + UpperCased(f) + " Pictures (" + pattern + ")|" + pattern;
  }
  return "All Supported Picture Formats|" + all + each + "|All Files (*.*)|*.*";
}

namespace {

// The page of a multi-page TIFF file the operator picks; -1 when the question is cancelled.
int AskPage(Ui& ui, int pages) {
  std::string value = "1";
  while (ui.Input("Picture Page", "Page to load (1 to " + std::to_string(pages) + ")", value)) {
    std::optional<double> page = StrictToDouble(value);
    if (page && *page >= 1 && *page <= pages && *page == static_cast<int>(*page)) return static_cast<int>(*page) - 1;
    ui.Warn("Invalid Input");
  }
  return -1;
}

}  // namespace

PictureRead LoadPictureFile(Ui& ui, const std::string& path) {
  PictureRead out;
  if (IsTiffFile(path)) {
    int pages = PicturePageCount(path, &out.error);
    if (pages <= 0) return out;
    int page = pages > 1 ? AskPage(ui, pages) : 0;
    if (page < 0) return {};
    return ReadPictureFile(path, page);
  }
  QImageReader reader(Latin1(path));
  if (reader.format() == "bmp") return ReadBmp(path);
  QSize size = reader.size();
  if (size.isValid() && !CheckPictureSize(size.width(), size.height()).empty()) {
    out.error = path + ": " + CheckPictureSize(size.width(), size.height());
    return out;
  }
  QImage image = reader.read();
  if (image.isNull()) {
    out.error = path + ": " + Latin1(reader.errorString());
    return out;
  }
  out.picture = FromQImage(image);
  if (out.picture.Empty()) out.error = path + ": " + CheckPictureSize(image.width(), image.height());
  return out;
}

}  // namespace quill
