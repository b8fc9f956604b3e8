// "Project P&roperties": what the job holds, as the texts of the dialog's four groups.
#pragma once

#include <string>

namespace quill {

class Job;

struct ProjectSummary {
  // "Text Summary"
  std::string characters;  // "Number of Characters"
  std::string textEntities, textExtents;
  // "Artwork Summary"
  std::string artEntities, artExtents;
  // "Tool Path Summary": kept from the last showing while there is no tool path.
  std::string blocks = "0";
  std::string rapidLength = "0.0", cutLength = "0.0", totalLength = "0.0";
  std::string toolExtents;
  // "Totals"
  std::string totalExtents;
};

inline constexpr const char* NotAvailable = "N/A";

// "Min X: a, Min Y: b, Max X: c, Max Y: d" with 5 decimals.
std::string ExtentsText(double xmin, double ymin, double xmax, double ymax);

// Fills the summary from the job, once Extents has set the view window to the whole job.  With
// artwork the view window is widened by the artwork's box (it already holds it after Extents).
void SummariseProject(Job& job, ProjectSummary& summary);

}  // namespace quill
