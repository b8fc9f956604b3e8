// What the tests of carving and hatching ask of a text path and a cutter-location file: the letters'
// outlines as polygons, whether a point lies inside them, and the records written.
#pragma once

#include <string>
#include <vector>

#include "records/cl_record.h"

namespace quill {

class Job;

struct Pt {
  double x = 0, y = 0;
};
using Contour = std::vector<Pt>;

// The contours of the text path, arcs walked in steps of at most a degree.
std::vector<Contour> TextPathContours(const std::string& path);
// Inside by the even-odd rule: inside a letter, not in its holes.
bool InsideOutline(const std::vector<Contour>& contours, double x, double y);
// The shortest distance from the point to any contour edge.
double DistanceToOutline(const std::vector<Contour>& contours, double x, double y);

std::vector<ClRecord> ReadCl(const std::string& path);

// Lays out the job's text in Liberation Sans as lines (no fitted arcs, unless arcs is set), at the
// height given: the text path a TrueType job makes.
void LayOutTrueType(Job& job, const std::string& text, const std::string& height, bool arcs = false);

}  // namespace quill
