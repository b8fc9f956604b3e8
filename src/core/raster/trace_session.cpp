#include "raster/trace_session.h"

#include <cerrno>
#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "raster/raster_to_vector.h"
#include "raster/trace_conversion.h"
#include "ui/ui.h"

namespace quill {

void TraceSession::Shown() {
  rasterDone_ = false;
  trace_ = true;
}

void TraceSession::Press(PicturePoint at) {
  drawing_ = true;
  start_ = at;
}

void TraceSession::Release(PicturePoint at) {
  if (drawing_ && !(at == start_)) document_.AddLine(start_.x, start_.y, at.x, at.y);
  drawing_ = false;
  last_ = at;
  clicked_ = true;
}

void TraceSession::PlaceMark(const std::string& letter, double zoom) {
  int size = static_cast<int>(std::lround(12.0 / (IsZero(zoom) ? 1.0 : zoom)));
  document_.PlaceMark(letter, last_.x, last_.y, size < 1 ? 1 : size);
}

bool TraceSession::RasterToVector(const RasterToVectorSettings& settings, const VectorizerChoice& vectorizer) {
  if (!quill::RasterToVector(job_, document_.Image(), settings, vectorizer)) return false;
  rasterDone_ = true;
  trace_ = false;
  return true;
}

bool TraceSession::Leave(const LeaveWindows& windows) {
  // Without a picture nothing was drawn: there is nothing to save or convert.
  if (rasterDone_ || document_.Image().Empty()) return false;
  if (document_.Name().empty() && !(windows.saveAs && windows.saveAs())) return false;
  errno = 0;
  if (!WriteAnnotationFile(job_.paths.AntFileName, document_.Marks())) {
    job_.ui.Warn("Annotation File access error #" + std::to_string(errno) + " [" + job_.paths.AntFileName + "]");
    return false;
  }
  double x = 1.0, y = 1.0;
  if (!windows.scalePoint || !windows.scalePoint(x, y)) return false;
  return ConvertTracing(job_, x, y).lines > 0;
}

}  // namespace quill
