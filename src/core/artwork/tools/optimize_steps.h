// The five steps of "Optimize Tool Path", each on the work list (points, lines and arcs) in place.  The steps that can be
// abandoned return false when the operator pressed Cancel; the work list is then part way through and
// is thrown away by the caller.
#pragma once

#include <vector>

#include "geometry/entity.h"

namespace quill {

class Ui;
struct OptimizeOptions;

// "Removing Duplicates": points, entities that are not Valid (lines shorter than the zero distance,
// arcs without radius; Valid also brings arc angles into range) and copies of an earlier entity (the
// same line either way round, the same arc) go; the first entity always stays.
bool RemoveDuplicates(Ui& ui, std::vector<tgEntity>& work);

// "Merging Similar": each line in turn takes in every later line it overlaps in line (Merge), which then
// goes.
bool MergeSimilar(Ui& ui, std::vector<tgEntity>& work);

// "Chaining Endpoints": the cutting order from (px, py) with the connection tolerance, the forced end
// points and the gap bridges of the options.  Cancel ends it with the order reached so far.
void ChainEndPoints(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options, double px, double py);

// "Simplify Polygons": each run of lines that follow one another end to start (within the connection
// tolerance) becomes the lines between the points the Douglas-Peucker simplification keeps.  Arcs and
// points stay as they are, and nothing is joined across a gap.
bool SimplifyPolygons(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options);

// "Biezer Curve Fitting": each run of more than two connected lines no longer than the length limit (not
// Marked, not the last entity, up to 125 points) becomes a Bezier curve through the run's points as
// control points, evaluated at 2 to 250 points spaced about the Bezier spacing apart, as lines or, with
// arc fitting, as the fitted lines and arcs.
bool ReplaceByBezier(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options);

// Whether two consecutive entities touch: the end of one is the start of the next within the connection
// tolerance (or within the zero distance).
bool Connected(const tgEntity& before, const tgEntity& after, double tolerance);

}  // namespace quill
