#include "view/print_job.h"

#include <cmath>

#include "job/job.h"

namespace quill {

PrintSettings::PrintSettings(Job& job) : job_(job), prefs_(job.prefs), window_(job.view.ViewWindow) {
  Preferences& p = job.prefs;
  p.ShowToolImage = false;
  if (!p.PrintColor) p.RapidColor = p.ToolPathColor = p.ArtColor = p.TextLineColor = p.TextArcColor = clBlack;
}

PrintSettings::~PrintSettings() {
  job_.prefs = prefs_;
  job_.view.ViewWindow = window_;
}

void PrintSettings::ScaleToPage(int pageWidth, int pageHeight, int dpiX, int dpiY) {
  if (!job_.prefs.PrintToScale || dpiX <= 0 || dpiY <= 0) return;
  WorldWindow& w = job_.view.ViewWindow;
  double xmax = w.Xmin + static_cast<double>(pageWidth) / dpiX;
  double ymax = w.Ymin + static_cast<double>(pageHeight) / dpiY;
  if (!std::isfinite(xmax) || !std::isfinite(ymax)) return;  // the window is left as it was
  w.Xmax = xmax;
  w.Ymax = ymax;
}

void PrintCanvas::SetPen(Color color, int width, PenStyle style) {
  ForwardingCanvas::SetPen(color, width <= 1 ? lineWidth_ : width, style);
}

void PrintCanvas::MoveTo(int x, int y) {
  if (!aborted_) ForwardingCanvas::MoveTo(x, y);
}

void PrintCanvas::LineTo(int x, int y) {
  if (!aborted_) ForwardingCanvas::LineTo(x, y);
}

void PrintCanvas::FillRect(const CanvasRect& r) {
  if (!aborted_) ForwardingCanvas::FillRect(r);
}

void PrintCanvas::Rectangle(const CanvasRect& r) {
  if (!aborted_) ForwardingCanvas::Rectangle(r);
}

void PrintCanvas::TextOut(int x, int y, const std::string& text) {
  if (!aborted_) ForwardingCanvas::TextOut(x, y, text);
}

}  // namespace quill
