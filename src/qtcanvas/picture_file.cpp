#include "qtcanvas/picture_file.h"

#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "job/job.h"
#include "qtcanvas/qt_canvas.h"
#include "ui/ui.h"
#include "view/picture.h"

namespace quill {

namespace {

constexpr int kDpi = 96;

bool Draw(Job& job, QPaintDevice& device) {
  QtCanvas canvas(device, kDpi);
  DrawPicture(job, canvas);
  return canvas.End();
}

bool Png(Job& job, const QString& path, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
  image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
  return Draw(job, image) && image.save(path, "PNG");
}

bool Svg(Job& job, const QString& path, int width, int height) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(kDpi);
  svg.setTitle("QUILLMARK PRO-2008");
  return Draw(job, svg);
}

bool Pdf(Job& job, const QString& path, int width, int height) {
  QPdfWriter pdf(path);
  pdf.setResolution(kDpi);
  pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / kDpi, height * 72.0 / kDpi), QPageSize::Point));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setTitle("QUILLMARK PRO-2008");
  return Draw(job, pdf);
}

}  // namespace

PictureFormat PictureFormatOf(const std::string& path) {
  auto dot = path.rfind('.');
  if (dot == std::string::npos) return PictureFormat::Unknown;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "png") return PictureFormat::Png;
  if (ext == "svg") return PictureFormat::Svg;
  if (ext == "pdf") return PictureFormat::Pdf;
  if (ext == "emf") return PictureFormat::Emf;
  return PictureFormat::Unknown;
}

bool WritePictureFile(Job& job, const std::string& path, int width, int height) {
  PictureFormat format = PictureFormatOf(path);
  if (format == PictureFormat::Emf) return WriteMetafile(job, path, width, height);
  // Qt writes in place: the picture goes to a temporary name first so a failure keeps an older file.
  std::string temp = path + ".part";
  QString q = QString::fromStdString(temp);
  bool ok = format == PictureFormat::Png   ? Png(job, q, width, height)
            : format == PictureFormat::Svg ? Svg(job, q, width, height)
            : format == PictureFormat::Pdf ? Pdf(job, q, width, height)
                                           : false;
  if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return true;
  std::remove(temp.c_str());
  job.ui.Warn("Cannot write the picture [" + path + "]");
  return false;
}

}  // namespace quill
