#include "artwork/artwork_store.h"

#include <cerrno>
#include <cstdio>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "records/textpath_record.h"
#include "ui/ui.h"

namespace quill {

namespace {

void ReportArtFileError(Job& job, int error) {
  job.ui.Warn("Art File access error #" + std::to_string(error) + " [" + job.paths.ArtFileName + "]");
}

// One text path record as artwork; p is the point the pen stands on and moves on to the record's end.
void ConvertRecord(const TextPathRecord& rec, double& px, double& py, ArtWriter& out) {
  switch (rec.kind) {
    case TpMove: out.Move(rec.X, rec.Y, px, py); break;
    case TpLine:
      // A converted stroke runs from its end back to its start: stored jobs hold it that way.
      out.Line(rec.X, rec.Y, px, py);
      break;
    case TpArcCw:
    case TpArcCcw:
      out.Arc(rec.kind == TpArcCw ? ArtArcCw : ArtArcCcw, rec.CX, rec.CY, rec.R, VectorAngle(px - rec.CX, py - rec.CY),
              VectorAngle(rec.X - rec.CX, rec.Y - rec.CY));
      break;
    default: return;
  }
  px = rec.X;
  py = rec.Y;
}

}  // namespace

bool OpenArtwork(Job& job, ArtWriter& out, ArtworkWrite mode) {
  return out.Open(job.paths.ArtFileName, mode == ArtworkWrite::Append);
}

bool CloseArtwork(Job& job, ArtWriter& out) {
  if (!out.Close()) return false;
  job.flags.ArtworkPresent = true;
  return true;
}

bool DeleteAllArtwork(Job& job) {
  if (!job.flags.ArtworkPresent) {
    job.ui.Inform("No Artwork to Delete");
    return false;
  }
  if (!job.ui.AskYesNo("Do you really want to Delete All Artwork")) return false;
  job.flags.ArtworkPresent = false;
  std::remove(job.paths.ArtFileName.c_str());
  return true;
}

bool ConvertTextPathToArtwork(Job& job) {
  if (!job.flags.TextPathGenerated) return false;
  TextPathReader in(job.paths.TextPathFileName);
  ArtWriter out;
  errno = 0;
  if (!OpenArtwork(job, out, job.flags.ArtworkPresent ? ArtworkWrite::Append : ArtworkWrite::Replace)) {
    ReportArtFileError(job, errno);
    return false;
  }
  double px = 0, py = 0;
  TextPathRecord rec;
  while (in.Next(rec)) ConvertRecord(rec, px, py, out);
  errno = 0;
  if (!CloseArtwork(job, out)) {
    ReportArtFileError(job, errno);
    return false;
  }
  job.flags.TextPathGenerated = false;
  return true;
}

}  // namespace quill
