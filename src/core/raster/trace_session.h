// The Scan/Trace/Convert window's own logic, without the window: the lines drawn with the mouse, the
// marks placed at the last click, raster to vector, and what leaving the window does (the annotations
// saved, the scale point asked for, the drawing converted into artwork).  Positions come in picture
// pixels; the window maps the mouse through its real transform before it calls in.
#pragma once

#include <functional>
#include <string>

#include "raster/trace_document.h"
#include "raster/vectorizer_choice.h"
#include "raster/vectorizer_settings.h"

namespace quill {

class Job;

struct PicturePoint {
  double x = 0, y = 0;
  bool operator==(const PicturePoint&) const = default;
};

// What leaving needs from the windows: Save As (true with the picture saved under a name), and the
// coordinate window for the scale point (true on OK with x and y set; they come in as 1.0, 1.0).
struct LeaveWindows {
  std::function<bool()> saveAs;
  std::function<bool(double& x, double& y)> scalePoint;
};

class TraceSession {
 public:
  explicit TraceSession(Job& job) : job_(job) {}

  TraceDocument& Document() { return document_; }
  const TraceDocument& Document() const { return document_; }

  // Each showing of the window: no raster to vector run yet, tracing by hand.
  void Shown();
  bool RasterToVectorDone() const { return rasterDone_; }
  bool Tracing() const { return trace_; }

  // The left button: a line from the press to the release is added when the two differ; either way
  // the release becomes the last clicked point.
  void Press(PicturePoint at);
  void Release(PicturePoint at);
  bool Drawing() const { return drawing_; }
  // A mark waits for the next click: the clicked flag is cleared first.
  void BeginMark() { clicked_ = false; }
  bool Clicked() const { return clicked_; }
  PicturePoint LastClicked() const { return last_; }
  // "O", "X" or "S" at the last clicked point, Arial of 12 points divided by the zoom (rounded).
  void PlaceMark(const std::string& letter, double zoom);

  // Convert > Raster to Vector once its settings were confirmed; true when the vectorizer's drawing
  // is ready for the main window to import.
  bool RasterToVector(const RasterToVectorSettings& settings, const VectorizerChoice& vectorizer);

  // "E&xit": nothing after a raster to vector run or without a picture; otherwise the picture saved if
  // it has no name (Cancel there closes without converting), the annotations written to the
  // annotation file, the scale point asked for and the drawing converted.  True when lines were
  // converted.
  bool Leave(const LeaveWindows& windows);

 private:
  Job& job_;
  TraceDocument document_;
  bool rasterDone_ = false, trace_ = true;
  bool drawing_ = false, clicked_ = false;
  PicturePoint start_, last_;
};

}  // namespace quill
