#include "app/project_summary.h"

#include "job/job.h"
#include "mathlib/number_text.h"
#include "records/artwork_query.h"
#include "textpath/textpath_file.h"
#include "toolpath/cl_statistics.h"

namespace quill {

namespace {

std::string Fixed5(double v) {
  return FormatFixed(v, 5);
}

std::string ExtentsOf(const WorldWindow& w) {
  return ExtentsText(w.Xmin, w.Ymin, w.Xmax, w.Ymax);
}

void SummariseText(Job& job, ProjectSummary& s) {
  size_t characters = 0;
  for (const std::string& line : job.text) characters += line.size();
  s.characters = std::to_string(characters);
  double x0, y0, x1, y1;
  bool text = job.flags.TextPathGenerated && TextPathExtents(job, x0, y0, x1, y1, false, false);
  s.textEntities = job.flags.TextPathGenerated ? std::to_string(CountTextPathMoves(job)) : NotAvailable;
  s.textExtents = text ? ExtentsText(x0, y0, x1, y1) : NotAvailable;
}

void SummariseArtwork(Job& job, ProjectSummary& s) {
  if (!job.flags.ArtworkPresent) {
    s.artEntities = s.artExtents = NotAvailable;
    return;
  }
  s.artEntities = std::to_string(CountArtworkRecords(job.paths.ArtFileName));
  WorldWindow& w = job.view.ViewWindow;
  Box box{w.Xmin, w.Ymin, w.Xmax, w.Ymax};
  WidenByArtwork(job.paths.ArtFileName, box);
  w = {box.xmin, box.ymin, box.xmax, box.ymax};
  s.artExtents = ExtentsOf(w);
}

void SummariseToolPath(Job& job, ProjectSummary& s) {
  long moves = 0;
  double rapid = 0, cut = 0;
  if (!CLStatistics(job, moves, rapid, cut)) return;
  s.blocks = std::to_string(moves);
  s.rapidLength = Fixed5(rapid);
  s.cutLength = Fixed5(cut);
  s.totalLength = Fixed5(rapid + cut);
}

}  // namespace

std::string ExtentsText(double xmin, double ymin, double xmax, double ymax) {
  return "Min X: " + Fixed5(xmin) + ", Min Y: " + Fixed5(ymin) + ", Max X: " + Fixed5(xmax) + ", Max Y: " +
         Fixed5(ymax);
}

void SummariseProject(Job& job, ProjectSummary& s) {
  s.toolExtents = job.flags.ToolPathCreated ? ExtentsOf(job.view.ViewWindow) : NotAvailable;
  SummariseText(job, s);
  SummariseArtwork(job, s);
  SummariseToolPath(job, s);
  s.totalExtents = job.flags.ToolPathCreated ? s.toolExtents
                   : job.flags.ArtworkPresent ? s.artExtents
                                              : NotAvailable;
}

}  // namespace quill
