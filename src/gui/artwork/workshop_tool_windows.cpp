#include "artwork/workshop_tool_windows.h"

#include <QDialog>

#include "artwork/art_workshop.h"
#include "artwork/cross_hatch_dlg.h"
#include "artwork/deskew_dlg.h"
#include "artwork/linearize_dlg.h"
#include "artwork/optimize_dlg.h"
#include "artwork/tools/workshop_tools.h"
#include "artwork/workshop_picks.h"
#include "job/job.h"
#include "shell/help_window.h"
#include "shell/window_directory.h"
#include "ui/ui.h"

namespace quill {

namespace {

bool Picked(const PickAnswer& a) {
  return a.end == PickEnd::Picked;
}

}  // namespace

WorkshopToolWindows::WorkshopToolWindows(DesktopContext& context, TArtWorkshop& workshop)
    : QObject(&workshop),
      ui_(context.job.ui),
      workshop_(workshop),
      doc_(workshop.Document()),
      optimize_(new TOptimizeDlg(ui_, &workshop)),
      hatch_(new TCrossHatchDlg(ui_, &workshop)),
      linearize_(new TLinearizeDlg(ui_, &workshop)),
      deskew_(new TDeskewDlg(ui_, &workshop)),
      show_([this](const std::vector<tgEntity>& result) { workshop_.ShowOver(result); }) {
  HelpPageOpener help = [&context](const std::string& page) { ShowHelpPage(context, page); };
  optimize_->SetHelpOpener(help);
  hatch_->SetHelpOpener(help);
  linearize_->SetHelpOpener(help);
  deskew_->SetHelpOpener(help);
}

bool WorkshopToolWindows::UntilWorked(const std::function<bool()>& ask, const std::function<ToolStatus()>& run) {
  for (;;) {
    if (!ask()) return false;
    ToolStatus status = ToolStatus::Nothing;
    workshop_.RunTool([&] { status = run(); });
    if (status != ToolStatus::Refused) return true;
  }
}

// The right button starts from the origin; another command that takes over ends the optimiser.
bool WorkshopToolWindows::Optimize() {
  if (doc_.SelectedCount() == 0) {
    ui_.Inform("First Select the Geometry to Optimize");
    return false;
  }
  if (!optimize_->Ask()) return false;
  workshop_.Picks().AskPoint("Select Approximate Starting Point", [this](const PickAnswer& a) {
    if (a.end == PickEnd::Ended) return;
    double x = Picked(a) ? a.x : 0, y = Picked(a) ? a.y : 0;
    workshop_.RunTool([&] { OptimizeSelection(ui_, doc_, optimize_->Options(), x, y, show_); });
  });
  return true;
}

bool WorkshopToolWindows::CrossHatch() {
  if (doc_.SelectedCount() < 3) return false;
  return UntilWorked([this] { return hatch_->Ask(); },
                     [this] { return CrossHatchSelection(ui_, doc_, hatch_->Options(), show_); });
}

bool WorkshopToolWindows::Linearize() {
  return UntilWorked([this] { return linearize_->Ask(); },
                     [this] { return LinearizeDrawing(ui_, doc_, linearize_->Options()); });
}

bool WorkshopToolWindows::Deskew() {
  if (!deskew_->Ask()) return false;
  picks_ = {};
  axisLine_ = -1;
  workshop_.Picks().AskPoint("Select Origin", [this](const PickAnswer& a) {
    if (!Picked(a)) return;
    picks_.originX = a.x, picks_.originY = a.y;
    AskAxis();
  });
  return true;
}

// A click on something else than a line asks again, until the right button.
void WorkshopToolWindows::AskAxis() {
  switch (deskew_->Options().axis) {
    case DeskewAxis::Line:
      workshop_.Picks().AskEntity("Select Line for -X- Axis", [this](const PickAnswer& a) {
        if (!Picked(a)) return;
        if (a.entity < 0 || !doc_.At(static_cast<size_t>(a.entity)).IsLine()) return AskAxis();
        axisLine_ = a.entity;
        AskKnownPoint();
      });
      return;
    case DeskewAxis::TwoPoints: AskAxisPoint(false); return;
    default: AskKnownPoint(); return;
  }
}

void WorkshopToolWindows::AskAxisPoint(bool second) {
  const char* prompt = second ? "Select 2nd Point on -X- Axis" : "Select 1st Point on -X- Axis";
  workshop_.Picks().AskPoint(prompt, [this, second](const PickAnswer& a) {
    if (!Picked(a)) return;
    if (!second) {
      picks_.axisX1 = a.x, picks_.axisY1 = a.y;
      return AskAxisPoint(true);
    }
    picks_.axisX2 = a.x, picks_.axisY2 = a.y;
    AskKnownPoint();
  });
}

void WorkshopToolWindows::AskKnownPoint() {
  DeskewScaling scaling = deskew_->Options().scaling;
  if (scaling != DeskewScaling::KnownPoint && scaling != DeskewScaling::KnownDistance) return ApplyDeskew();
  workshop_.Picks().AskPoint("Select Known Point", [this](const PickAnswer& a) {
    if (!Picked(a)) return;
    picks_.knownX = a.x, picks_.knownY = a.y;
    ApplyDeskew();
  });
}

// Options that come out unworkable only with the picks (a scale of 0 from the known point) show the
// window again.
void WorkshopToolWindows::ApplyDeskew() {
  ToolStatus status = ToolStatus::Nothing;
  workshop_.RunTool([&] { status = DeskewSelection(ui_, doc_, deskew_->Options(), picks_, axisLine_); });
  if (status == ToolStatus::Refused) Deskew();
}

void RegisterWorkshopToolWindows(DesktopContext& context, TArtWorkshop& workshop) {
  auto* tools = new WorkshopToolWindows(context, workshop);
  auto opener = [tools](bool (WorkshopToolWindows::*command)()) -> WindowDirectory::Opener {
    return [tools, command](QWidget*) { return (tools->*command)() ? QDialog::Accepted : QDialog::Rejected; };
  };
  context.windows.Register(workshop_class::Optimize, opener(&WorkshopToolWindows::Optimize));
  context.windows.Register(workshop_class::CrossHatch, opener(&WorkshopToolWindows::CrossHatch));
  context.windows.Register(workshop_class::Linearize, opener(&WorkshopToolWindows::Linearize));
  context.windows.Register(workshop_class::Deskew, opener(&WorkshopToolWindows::Deskew));
}

}  // namespace quill
