// The workshop's tool windows and their commands: Optimize Tool Path (options, then the approximate
// starting point), Cross Hatch (three or more selected entities), Linearize Arcs and Deskew & Scale
// (options, then the origin, the axis and the known point as the options ask).  Each shows its result
// and asks where the command does, and each change is one step of Undo.  Options the tool refuses
// once it runs show the window again.
#pragma once

#include <QObject>
#include <functional>

#include "artwork/tools/workshop_tools.h"

namespace quill {

struct DesktopContext;
struct PickAnswer;
class TArtWorkshop;
class TCrossHatchDlg;
class TDeskewDlg;
class TLinearizeDlg;
class TOptimizeDlg;
class Ui;
class WorkshopDocument;

class WorkshopToolWindows : public QObject {
  Q_OBJECT

 public:
  WorkshopToolWindows(DesktopContext& context, TArtWorkshop& workshop);

  // The commands of the workshop's menus; false when they ended at once (no window, Cancel).
  bool Optimize();
  bool CrossHatch();
  bool Linearize();
  bool Deskew();

 private:
  // Asks the options and runs the tool until it does not refuse them; false on Cancel.
  bool UntilWorked(const std::function<bool()>& ask, const std::function<ToolStatus()>& run);
  // The picks of Deskew & Scale, one after the other; a pick that is not made ends the command.
  void AskAxis();
  void AskAxisPoint(bool second);
  void AskKnownPoint();
  void ApplyDeskew();

  Ui& ui_;
  TArtWorkshop& workshop_;
  WorkshopDocument& doc_;
  TOptimizeDlg* optimize_;
  TCrossHatchDlg* hatch_;
  TLinearizeDlg* linearize_;
  TDeskewDlg* deskew_;
  ShowResult show_;  // a result drawn over the workshop's picture for its question
  DeskewPicks picks_;
  long axisLine_ = -1;
};

// Creates the tool windows of the workshop and registers them under their class names.
void RegisterWorkshopToolWindows(DesktopContext& context, TArtWorkshop& workshop);

}  // namespace quill
