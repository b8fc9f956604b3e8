#include "artwork/tmg_import.h"

#include "artwork/artwork_store.h"
#include "job/job.h"
#include "mathlib/constants.h"
#include "records/tmg_record.h"

namespace quill {

ImportResult ImportTmg(Job& job, const std::string& fileName, bool replace) {
  if (!ReadableFile(fileName)) return {ImportResult::InputUnreadable};
  TmgReader in(fileName);
  ArtWriter out;
  bool append = !replace && job.flags.ArtworkPresent;
  if (!in.IsOpen() || !OpenArtwork(job, out, append ? ArtworkWrite::Append : ArtworkWrite::Replace)) {
    return {in.IsOpen() ? ImportResult::ArtworkUnwritable : ImportResult::InputUnreadable};
  }
  TmgRecord rec;
  while (in.Next(rec)) {
    const double* r = rec.r;
    if (rec.kind == TmgLine) out.Line(r[0], r[1], r[3], r[4]);
    if (rec.kind == TmgArc) out.Arc(ArtArcCcw, r[0], r[1], r[2], r[5] * DegToRad, r[6] * DegToRad);
  }
  long records = out.Count();
  if (!CloseArtwork(job, out)) return {ImportResult::ArtworkUnwritable, records};
  return {ImportResult::Done, records};
}

}  // namespace quill
