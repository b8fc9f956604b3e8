#include "toolpath/carve/carve_text.h"

#include <cmath>
#include <filesystem>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "mathlib/tolerance.h"
#include "records/textpath_record.h"
#include "toolpath/carve/carve_circle.h"
#include "toolpath/carve/carve_outline.h"
#include "toolpath/carve/carve_progress.h"
#include "toolpath/carve/carve_setup.h"
#include "toolpath/carve/carve_writer.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr long kPiecesBetweenLooks = 100;

struct CarvedPoint {
  double x = 0, y = 0, z = 0;
};

class CarveRun {
 public:
  CarveRun(Ui& ui, const ToolPathPass& pass, const CarveSetup& setup, CarveProgress& progress)
      : ui_(ui),
        pass_(pass), setup_(setup), progress_(progress), writer_(pass.out, pass.values), outline_(setup.step) {}

  // Takes one text path record; false once the operator cancelled.
  bool Record(const TextPathRecord& r);
  // Carves what is left when the text path ends without closing its character.
  void Finish() { CarveCharacter(); }
  bool ToolTooSmall() const { return tooSmall_; }

 private:
  bool CarveCharacter();
  CarvedPoint Carve(size_t i, size_t contourEnd, CarvePieces& near);
  double Depth(double diameter) const;
  bool Closed(size_t start, size_t end) const;

  Ui& ui_;
  const ToolPathPass& pass_;
  const CarveSetup& setup_;
  CarveProgress& progress_;
  CarveWriter writer_;
  CarveOutline outline_;
  bool tooSmall_ = false;
};

double CarveRun::Depth(double diameter) const {
  double z = -(diameter / 2) / std::tan(setup_.halfTipAngle) + (pass_.depth - pass_.values.ZDEPTH);
  return std::min(z, pass_.values.ZCLEAR);
}

bool CarveRun::Closed(size_t start, size_t end) const {
  const tgEntity &first = outline_.Pieces()[start], &last = outline_.Pieces()[end - 1];
  return end - start > 1 && IsNearZero(last.XE() - first.X()) && IsNearZero(last.YE() - first.Y());
}

CarvedPoint CarveRun::Carve(size_t i, size_t contourEnd, CarvePieces& near) {
  const std::vector<tgEntity>& pieces = outline_.Pieces();
  const tgEntity& previous = outline_.StartsContour(i) ? pieces[contourEnd - 1] : pieces[i - 1];
  CarveCorner corner = CornerOf(previous, pieces[i], setup_.side);
  double q = FittingDiameter(corner, near, setup_.toolDiameter, tooSmall_);
  return {corner.CentreX(q / 2), corner.CentreY(q / 2), Depth(q)};
}

bool CarveRun::CarveCharacter() {
  const std::vector<tgEntity>& pieces = outline_.Pieces();
  CarvePieces near(ui_, pieces, setup_.step, setup_.toolDiameter);
  bool going = true;
  size_t start = 0, end = 0;
  CarvedPoint first;
  auto closeContour = [&] {
    if (end > start && Closed(start, end)) writer_.CutTo(first.x, first.y, first.z);
  };
  for (size_t i = 0; i < pieces.size() && going; ++i) {
    if (i > 0 && i % kPiecesBetweenLooks == 0) {
      going = progress_.Character(static_cast<long>(i), static_cast<long>(pieces.size()));
    }
    if (i == 0 || outline_.StartsContour(i)) {
      closeContour();
      start = i, end = outline_.ContourEnd(i);
      first = Carve(i, end, near);
      writer_.StartContour(first.x, first.y, first.z);
    } else {
      CarvedPoint c = Carve(i, end, near);
      writer_.CutTo(c.x, c.y, c.z);
    }
  }
  if (going) closeContour();
  writer_.EndCharacter();
  outline_.Clear();
  return going;
}

bool CarveRun::Record(const TextPathRecord& r) {
  switch (r.kind) {
    case TpMove: outline_.Move(r.X, r.Y); break;
    case TpLine: outline_.LineTo(r.X, r.Y); break;
    case TpCharEnd: return CarveCharacter();
    default: break;  // marks and boxes carry no outline; arcs were refused before the run
  }
  return true;
}

long RecordCount(const std::string& path) {
  std::error_code ec;
  auto bytes = std::filesystem::file_size(path, ec);
  return ec ? 0 : static_cast<long>(bytes / TextPathRecordSize);
}

}  // namespace

void CarveText(Job& job, const ToolPathPass& pass, CarveProgress& progress) {
  if (!job.flags.TextPathGenerated || !CheckCarving(job, pass.values)) return;
  CarveSetup setup = ReadCarveSetup(job, pass.values);
  ToleranceScope tangency(TangencyTolerance, setup.tangency);
  TextPathReader in(job.paths.TextPathFileName);
  progress.Begin(RecordCount(job.paths.TextPathFileName));
  CarveRun run(job.ui, pass, setup, progress);
  TextPathRecord r;
  long read = 0;
  bool going = true;
  while (going && in.Next(r)) going = run.Record(r) && progress.Total(++read);
  if (going) run.Finish();
  progress.End();
  if (run.ToolTooSmall()) job.ui.Warn("Tool MAY be too small, please double check the tool path");
}

void CarveText(Job& job, const ToolPathPass& pass) {
  UiCarveProgress progress(job.ui);
  CarveText(job, pass, progress);
}

}  // namespace quill
