#include "qtcanvas/qt_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <cmath>

#include "view/text_metrics.h"

namespace quill {

namespace {

QColor ToQColor(Color c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

Qt::PenStyle ToQtStyle(PenStyle s) {
  switch (s) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Clear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device, int dpi, bool interactive)
    : device_(device),
      width_(device.width()),
      height_(device.height()),
      dpi_(dpi > 0 ? dpi : device.logicalDpiX()),
      interactive_(interactive) {
  painter_.begin(&device_);
  // XOR pens need a pixel surface; SVG and PDF draw them as plain pens.
  rasterOps_ = painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::Raster;
  font_ = QFont("Arial");
}

QtCanvas::~QtCanvas() {
  End();
}

bool QtCanvas::End() {
  if (!painter_.isActive()) return true;
  Flush();
  return painter_.end();
}

void QtCanvas::SetSmooth(bool on) {
  Flush();
  smooth_ = on;
  ApplyHints();
}

void QtCanvas::ApplyHints() {
  painter_.setRenderHint(QPainter::Antialiasing, Smoothing());
}

void QtCanvas::Flush() {
  if (pending_.size() > 1 && Smoothing()) {
    painter_.drawPolyline(QPolygonF(pending_).translated(0.5, 0.5));
  } else if (pending_.size() > 1) {
    painter_.drawPolyline(pending_);
  }
  pending_.clear();
}

void QtCanvas::MoveTo(int x, int y) {
  at_ = QPoint(x, y);
}

void QtCanvas::LineTo(int x, int y) {
  if (pending_.isEmpty() || pending_.back() != at_) {
    Flush();
    pending_.append(at_);
  }
  at_ = QPoint(x, y);
  pending_.append(at_);
}

void QtCanvas::FillRect(const CanvasRect& r) {
  Flush();
  painter_.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), brushColor_);
}

void QtCanvas::Rectangle(const CanvasRect& r) {
  Flush();
  painter_.setBrush(brushSolid_ ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
  QRect outline(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
  if (Smoothing()) {
    painter_.drawRect(QRectF(outline).translated(0.5, 0.5));
  } else {
    painter_.drawRect(outline);
  }
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
  Flush();
  QString s = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
  QFontMetrics m(font_, &device_);
  if (brushSolid_) painter_.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), brushColor_);
  QPen pen = painter_.pen();
  painter_.setPen(textColor_);
  painter_.setFont(font_);
  painter_.drawText(x, y + m.ascent(), s);
  painter_.setPen(pen);
}

int QtCanvas::TextWidth(const std::string& text) {
  return QFontMetrics(font_, &device_)
      .horizontalAdvance(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

int QtCanvas::TextHeight(const std::string&) {
  return QFontMetrics(font_, &device_).height();
}

void QtCanvas::SetFont(const std::string& face, int size, Color color) {
  font_ = QFont(QString::fromStdString(face));
  // A negative size is the character cell in pixels: the em is the cell less the face's leading.
  int pixels = static_cast<int>(std::lround(EmForCell(size < 0 ? -size : CellPixels(size, dpi_))));
  font_.setPixelSize(pixels < 1 ? 1 : pixels);
  textColor_ = ToQColor(color);
}

void QtCanvas::SetPen(Color color, int width, PenStyle style) {
  Flush();
  QPen pen(ToQColor(color), width, ToQtStyle(style), Qt::RoundCap, Qt::RoundJoin);
  painter_.setPen(pen);
}

void QtCanvas::SetPenMode(PenMode mode) {
  Flush();
  mode_ = mode;
  ApplyHints();
  if (!rasterOps_) return;
  painter_.setCompositionMode(mode == PenMode::Xor      ? QPainter::RasterOp_SourceXorDestination
                              : mode == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::SetBrush(Color color, BrushStyle style) {
  brushColor_ = ToQColor(color);
  brushSolid_ = style == BrushStyle::Solid;
}

void QtCanvas::SetClipRect(const CanvasRect& r) {
  Flush();
  painter_.setClipRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void QtCanvas::ClearClipRect() {
  Flush();
  painter_.setClipping(false);
}

}  // namespace quill
