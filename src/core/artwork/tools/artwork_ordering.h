// The cutting order of "Modify Artwork": from (0, 0), the record nearest to the current point, then
// every record that continues where the last one ended, then the nearest again, each record turned to
// start at the end that meets.
#pragma once

#include <vector>

#include "records/artwork_record.h"

namespace quill {

class ProgressMeter;

// The records (lines and arcs) in cutting order.  Two end points meet when both coordinates differ by
// less than tolerance.  Ties go to the record earlier in the list.  Every record is placed, however far
// it lies.  False (records untouched) when Cancel was pressed in the meter.
bool OrderArtwork(std::vector<ArtRecord>& records, double tolerance, ProgressMeter& meter);

// A record travelled the other way: a line's points exchanged; an arc's angles exchanged and its
// direction turned (a counter-clockwise arc from SA to FA becomes the clockwise arc from FA to SA).
ArtRecord Reversed(const ArtRecord& r);

// The start and end points of a line or arc record.
void RecordEnds(const ArtRecord& r, double& sx, double& sy, double& ex, double& ey);

}  // namespace quill
