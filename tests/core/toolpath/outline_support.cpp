#include "outline_support.h"

#include <gtest/gtest.h>

#include <cmath>

#include "job/job.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "textpath/generate_text_path.h"

namespace quill {

namespace {

void AddArc(Contour& c, const TextPathRecord& r) {
  Pt from = c.back();
  double a1 = std::atan2(from.y - r.CY, from.x - r.CX), a2 = std::atan2(r.Y - r.CY, r.X - r.CX);
  double radius = std::hypot(from.x - r.CX, from.y - r.CY);
  double sweep = r.kind == TpArcCcw ? a2 - a1 : a1 - a2;
  while (sweep <= 1e-12) sweep += 2 * M_PI;
  int n = static_cast<int>(std::ceil(sweep / (M_PI / 180)));
  for (int k = 1; k < n; ++k) {
    double a = a1 + (r.kind == TpArcCcw ? 1 : -1) * sweep * k / n;
    c.push_back({r.CX + radius * std::cos(a), r.CY + radius * std::sin(a)});
  }
  c.push_back({r.X, r.Y});
}

double SegmentDistance(Pt p, Pt a, Pt b) {
  double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

}  // namespace

std::vector<Contour> TextPathContours(const std::string& path) {
  std::vector<Contour> out;
  TextPathReader in(path);
  TextPathRecord r;
  while (in.Next(r)) {
    if (r.kind == TpMove) out.push_back({{r.X, r.Y}});
    if (out.empty()) continue;
    if (r.kind == TpLine) out.back().push_back({r.X, r.Y});
    if (r.kind == TpArcCw || r.kind == TpArcCcw) AddArc(out.back(), r);
  }
  return out;
}

bool InsideOutline(const std::vector<Contour>& contours, double x, double y) {
  bool inside = false;
  for (const Contour& c : contours) {
    for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
      if ((c[i].y > y) != (c[j].y > y) && x < (c[j].x - c[i].x) * (y - c[i].y) / (c[j].y - c[i].y) + c[i].x) {
        inside = !inside;
      }
    }
  }
  return inside;
}

double DistanceToOutline(const std::vector<Contour>& contours, double x, double y) {
  double best = 1e300;
  for (const Contour& c : contours) {
    for (size_t i = 0; i + 1 < c.size(); ++i) best = std::min(best, SegmentDistance({x, y}, c[i], c[i + 1]));
  }
  return best;
}

std::vector<ClRecord> ReadCl(const std::string& path) {
  std::vector<ClRecord> out;
  ClReader in(path);
  ClRecord r;
  while (in.Next(r)) out.push_back(r);
  return out;
}

void LayOutTrueType(Job& job, const std::string& text, const std::string& height, bool arcs) {
  job.settings.BFONTTYPE = 1;
  job.settings.FONTNAME = "Liberation Sans";
  job.settings.OUTARCS = arcs ? 1 : 0;
  job.settings.TEXTHIGH = height;
  job.text = {text};
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  job.flags.TextPathGenerated = true;
}

}  // namespace quill
