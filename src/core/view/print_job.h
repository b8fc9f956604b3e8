// What printing the job's picture changes for the length of one print: the cutter picture is left
// out, the job's colours go black unless colour printing is allowed, print to scale makes one drawing
// unit one inch of paper, and pens are as wide as the printer line width.
#pragma once

#include "job/preferences.h"
#include "job/view_state.h"
#include "view/forwarding_canvas.h"

namespace quill {

class Job;

// Applies the print's preferences and view window; everything goes back when the object goes.
class PrintSettings {
 public:
  explicit PrintSettings(Job& job);
  ~PrintSettings();
  PrintSettings(const PrintSettings&) = delete;
  PrintSettings& operator=(const PrintSettings&) = delete;

  // With PrintToScale: Xmax and Ymax put one page (in pixels at the printer's resolution) from the
  // window's lower left corner.
  void ScaleToPage(int pageWidth, int pageHeight, int dpiX, int dpiY);

 private:
  Job& job_;
  Preferences prefs_;
  WorldWindow window_;
};

// The printer's page as the picture sees it: thin pens as wide as the printer line width, and nothing
// drawn any more once the print was aborted.
class PrintCanvas : public ForwardingCanvas {
 public:
  PrintCanvas(Canvas& page, int lineWidth, const bool& aborted)
      : ForwardingCanvas(&page), lineWidth_(lineWidth < 1 ? 1 : lineWidth), aborted_(aborted) {}

  void SetPen(Color color, int width, PenStyle style) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(const CanvasRect& r) override;
  void Rectangle(const CanvasRect& r) override;
  void TextOut(int x, int y, const std::string& text) override;

 private:
  int lineWidth_;
  const bool& aborted_;
};

}  // namespace quill
