#include "raster/trace_conversion.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "raster/annotation_fields.h"
#include "records/artwork_record.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"
#include "ui/ui.h"

namespace quill {

namespace {

struct PixelLine {
  double x1, y1, x2, y2;
};

std::vector<PixelLine> ReadDrawnLines(LineReader& in) {
  std::vector<PixelLine> out;
  std::string text;
  while (in.Next(text)) {
    AnnotationLine line = ReadAnnotationLine(text);
    if (line.kind != AnnotationLineKind::Line) continue;
    out.push_back({line.Number(1), line.Number(2), line.Number(3), line.Number(4)});
  }
  return out;
}

double ScaleFactor(double real, double picture) {
  return IsZero(picture) || IsZero(real) ? 1.0 : real / picture;
}

// The old artwork first (when the job has some), then the new lines, into a file that replaces the
// artwork file only once it is complete.
bool WriteArtwork(Job& job, const std::vector<std::string>& records) {
  AtomicFile out(job.paths.ArtFileName);
  if (!out.IsOpen()) return false;
  if (job.flags.ArtworkPresent) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> old(std::fopen(job.paths.ArtFileName.c_str(), "rb"), std::fclose);
    if (old) {
      char buffer[65536];
      size_t n;
      while ((n = std::fread(buffer, 1, sizeof buffer, old.get())) > 0) out.Write(std::string(buffer, n));
      if (std::ferror(old.get())) return false;
    }
  }
  for (const std::string& r : records) out.Write(r + "\r\n");
  return out.Commit();
}

}  // namespace

ScaleMarks ReadScaleMarks(const std::string& antFile) {
  ScaleMarks marks;
  bool xSeen = false, sSeen = false;
  LineReader in(antFile);
  std::string text;
  while (in.Next(text)) {
    AnnotationLine line = ReadAnnotationLine(text);
    if (line.kind != AnnotationLineKind::Mark) continue;
    double x = line.Number(2), y = line.Number(3);
    switch (line.last) {
      case 'O': marks.ox = x, marks.oy = y; break;
      case 'X': marks.xx = x, marks.xy = y, xSeen = true; break;
      case 'S': marks.sx = x, marks.sy = y, sSeen = true; break;
      default: break;
    }
  }
  // A mark not placed stands where it would with the origin at the picture's corner, so an origin
  // placed alone neither turns nor stretches the drawing.
  if (!xSeen) marks.xx = marks.ox + 1, marks.xy = marks.oy;
  if (!sSeen) marks.sx = marks.ox + 1, marks.sy = marks.oy + 1;
  return marks;
}

void TraceFrame::Apply(double& x, double& y) const {
  x -= ox;
  y -= oy;
  RotatePoint(x, y, 0, 0, -angle);
  x *= kx;
  y *= ky;
}

TraceFrame MakeTraceFrame(const ScaleMarks& marks, double realX, double realY) {
  TraceFrame frame;
  frame.ox = marks.ox;
  frame.oy = marks.oy;
  double angle = VectorAngle(marks.xx - marks.ox, marks.xy - marks.oy);
  frame.angle = angle == UndefinedAngle ? 0 : angle;
  double sx = marks.sx, sy = marks.sy;
  RotatePoint(sx, sy, marks.ox, marks.oy, -frame.angle);
  frame.kx = ScaleFactor(realX, sx - marks.ox);
  frame.ky = ScaleFactor(realY, sy - marks.oy);
  return frame;
}

TraceConversion ConvertTracing(Job& job, double realX, double realY) {
  TraceConversion result;
  LineReader in(job.paths.AntFileName);
  if (!in.IsOpen()) {
    job.ui.Warn("Annotation File access error #" + std::to_string(errno) + " [" + job.paths.AntFileName + "]");
    return result;
  }
  TraceFrame frame = MakeTraceFrame(ReadScaleMarks(job.paths.AntFileName), realX, realY);
  std::vector<std::string> records;
  for (PixelLine p : ReadDrawnLines(in)) {
    if (p.x1 == p.x2 && p.y1 == p.y2) continue;
    frame.Apply(p.x1, p.y1);
    frame.Apply(p.x2, p.y2);
    records.push_back(FormatArtRecord({ArtLine, {p.x1, p.y1, p.x2, p.y2, 0}}));
  }
  result.ok = true;
  result.lines = static_cast<long>(records.size());
  if (records.empty()) return result;
  errno = 0;
  if (!WriteArtwork(job, records)) {
    job.ui.Warn("Art File access error #" + std::to_string(errno) + " [" + job.paths.ArtFileName + "]");
    return {};
  }
  job.flags.ArtworkPresent = true;
  job.flags.ProjectModified = true;
  return result;
}

}  // namespace quill
