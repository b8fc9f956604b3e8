#include "stages/toolpath/picture_image.h"

#include <QImageReader>
#include <QPainter>
#include <cstring>

#include "pixels/bmp.h"
#include "shell/latin1.h"

namespace quill {

namespace {

// An image with see-through parts laid on white.
QImage OnWhite(const QImage& image) {
  if (!image.hasAlphaChannel()) return image;
  QImage flat(image.size(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  return flat;
}

}  // namespace

PictureRead PictureFromImage(const QImage& image) {
  std::string refusal = CheckPictureSize(image.width(), image.height());
  if (!refusal.empty()) return {{}, refusal};
  const QImage flat = OnWhite(image);
  const bool grey = flat.isGrayscale();
  const QImage rows = flat.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  Picture picture(rows.width(), rows.height(), grey ? PixelFormat::Grey8 : PixelFormat::Rgb24);
  const size_t rowBytes = static_cast<size_t>(rows.width()) * (grey ? 1 : 3);
  for (int y = 0; y < rows.height(); ++y) std::memcpy(picture.Row(y), rows.constScanLine(y), rowBytes);
  return {std::move(picture), {}};
}

QImage ImageFromPicture(const Picture& picture) {
  if (picture.Empty()) return {};
  const bool grey = picture.Format() == PixelFormat::Grey8;
  QImage image(picture.Width(), picture.Height(), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  const size_t rowBytes = static_cast<size_t>(picture.Width()) * (grey ? 1 : 3);
  for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), rowBytes);
  return image;
}

PictureRead ReadPictureFile(const std::string& path) {
  QImageReader reader(QString::fromLocal8Bit(path.c_str()));
  reader.setAutoTransform(true);
  QSize size = reader.size();
  if (size.isValid()) {
    std::string refusal = CheckPictureSize(size.width(), size.height());
    if (!refusal.empty()) return {{}, path + ": " + refusal};
  }
  QImage image = reader.read();
  if (image.isNull()) return {{}, path + ": " + Latin1(reader.errorString())};
  PictureRead read = PictureFromImage(image);
  if (!read.Ok()) read.error = path + ": " + read.error;
  return read;
}

QString PictureFileFilter() {
  QStringList patterns{"*.bmp", "*.BMP"};
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    QString f = QString::fromLatin1(format);
    if (f == "bmp") continue;
    patterns << "*." + f << "*." + f.toUpper();
  }
  return "All Supported Picture Formats (" + patterns.join(' ') + ");;Windows Bitmaps (*.bmp *.BMP);;All Files (*)";
}

}  // namespace quill
