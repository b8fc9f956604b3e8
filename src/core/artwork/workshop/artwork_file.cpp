#include "artwork/workshop/artwork_file.h"

#include <cerrno>
#include <utility>

#include "artwork/workshop/document.h"
#include "artwork/workshop/view_commands.h"
#include "job/job.h"
#include "records/artwork_record.h"
#include "records/atomic_file.h"
#include "ui/ui.h"

namespace quill {

namespace {

bool ToEntity(const ArtRecord& r, tgEntity& e) {
  const double* v = r.v;
  switch (r.kind) {
    case ArtLine: e.SetLine(v[0], v[1], 0, v[2], v[3], 0); return true;
    case ArtArcCw:
    case ArtArcCcw:
      e.SetArc(v[0], v[1], 0, v[2], v[3], v[4]);
      e.SetCCW(r.kind == ArtArcCcw);
      return true;
    default: return false;
  }
}

bool ToRecord(const tgEntity& e, ArtRecord& r) {
  if (e.IsLine()) {
    r = {ArtLine, {e.X(), e.Y(), e.XE(), e.YE(), 0}};
    return true;
  }
  if (e.IsArc()) {
    r = {e.IsCCW() ? ArtArcCcw : ArtArcCw, {e.X(), e.Y(), e.R(), e.SA(), e.FA()}};
    return true;
  }
  return false;
}

}  // namespace

void LoadArtwork(Job& job, WorkshopDocument& doc) {
  WorkshopDocument::Entities entities;
  if (job.flags.ArtworkPresent) {
    ArtReader in(job.paths.ArtFileName);
    ArtRecord r;
    tgEntity e;
    while (in.Next(r)) {
      if (ToEntity(r, e)) entities.push_back(e);
    }
  }
  doc.Reset(std::move(entities));
}

bool SaveArtwork(Job& job, const WorkshopDocument& doc) {
  errno = 0;
  AtomicFile out(job.paths.ArtFileName);
  ArtRecord r;
  for (const tgEntity& e : doc.Items()) {
    if (ToRecord(e, r)) out.Write(FormatArtRecord(r) + "\r\n");
  }
  if (!out.Commit()) {
    job.ui.Warn("Art File access error #" + std::to_string(errno) + " [" + job.paths.ArtFileName + "]");
    return false;
  }
  job.flags.ArtworkPresent = true;
  return true;
}

void OpenWorkshop(Job& job, WorkshopDocument& doc) {
  if (!doc.loaded) LoadArtwork(job, doc);
  doc.loaded = true;
  ViewExtents(doc);
}

bool CloseWorkshop(Job& job, WorkshopDocument& doc) {
  if (!doc.loaded) return true;
  Message question{"Save Changes to Artwork", MsgKind::Confirmation, BtnYesNoCancel, Answer::Yes, 0, {}};
  Answer answer = job.ui.Show(question);
  if (answer != Answer::Yes && answer != Answer::No) return false;
  if (answer == Answer::Yes && !SaveArtwork(job, doc)) return false;
  doc.loaded = false;
  doc.Reset();
  job.flags.ProjectModified = true;
  return true;
}

}  // namespace quill
