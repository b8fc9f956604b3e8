#include "artwork/workshop/drawing.h"

#include <vector>

#include "artwork/workshop/bounds.h"
#include "artwork/workshop/document.h"
#include "view/canvas.h"
#include "view/trwindow.h"

namespace quill {

namespace {

constexpr int kMarkHalf = 2;            // the selection squares are 4 pixels wide
constexpr double kMarginInches = 0.05;  // an X marker reaches this far past its point

class EntityPainter {
 public:
  EntityPainter(const Preferences& prefs, Trwindow& view, Canvas& canvas)
      : prefs_(prefs), view_(view), canvas_(canvas) {
    double k = view.UnitsToInches();
    margin_ = kMarginInches / k;
    canvas.SetPenMode(PenMode::Copy);
  }

  bool Visible(const tgEntity& e) const {
    EntityBox b;
    if (!BoxOf(e, b)) return false;
    return !(b.xmax + margin_ < view_.Xmin() || b.xmin - margin_ > view_.Xmax() || b.ymax + margin_ < view_.Ymin() ||
             b.ymin - margin_ > view_.Ymax());
  }

  void Draw(const tgEntity& e) {
    Pen(e.Kind());
    if (e.IsPoint()) view_.Marker(canvas_, e.X(), e.Y(), 0);
    if (e.IsLine()) {
      view_.MoveTo3(canvas_, e.X(), e.Y(), 0);
      view_.LineTo3(canvas_, e.XE(), e.YE(), 0);
    }
    if (e.IsArc()) view_.Arc(canvas_, e.X(), e.Y(), e.R(), e.SA(), e.FA(), 0, 0, e.IsCCW());
  }

  void Marks(const tgEntity& e) {
    if (!e.IsPoint() && !e.IsLine() && !e.IsArc()) return;
    canvas_.SetBrush(clBlue, BrushStyle::Solid);
    double x, y, z;
    e.StartXYZ(x, y, z);
    Square(x, y);
    if (e.IsPoint()) return;
    e.EndXYZ(x, y, z);
    Square(x, y);
    tgEntity middle;
    if (!e.IsArc() || !e.PointAtFraction(middle, 0.5)) return;
    Square(middle.X(), middle.Y());
  }

 private:
  void Pen(uint8_t kind) {
    if (kind == kind_) return;
    kind_ = kind;
    Color c = prefs_.TextArcColor;
    if (kind == KindPoint) c = prefs_.ArtColor;
    if (kind == KindLine) c = prefs_.TextLineColor;
    view_.SetPenColor(canvas_, c);
  }

  void Square(double x, double y) {
    PixelPoint p = view_.WorldToPixel(x, y);
    canvas_.FillRect({p.x - kMarkHalf, p.y - kMarkHalf, p.x + kMarkHalf, p.y + kMarkHalf});
  }

  const Preferences& prefs_;
  Trwindow& view_;
  Canvas& canvas_;
  double margin_ = 0;
  uint8_t kind_ = 0xFF;  // the kind the pen is set for
};

}  // namespace

void DrawWorkshop(const WorkshopDocument& doc, const Preferences& prefs, Trwindow& view, Canvas& canvas) {
  view.Clear(canvas);
  if (doc.showAxes) view.Axes(canvas, false);
  EntityPainter painter(prefs, view, canvas);
  // One kind, one colour, at a time: every change of pen ends the canvas's run of lines, and a large
  // drawing mixes lines and arcs entity by entity.  The selection marks go on top.
  std::vector<const tgEntity*> selected;
  for (uint8_t kind : {KindLine, KindArc, KindPoint}) {
    for (const tgEntity& e : doc.Items()) {
      if (e.Kind() != kind || (doc.hideSelected && e.Selected()) || !painter.Visible(e)) continue;
      painter.Draw(e);
      if (e.Selected()) selected.push_back(&e);
    }
  }
  for (const tgEntity* e : selected) painter.Marks(*e);
}

void DrawWorkshopEntity(const tgEntity& e, const Preferences& prefs, Trwindow& view, Canvas& canvas) {
  EntityPainter painter(prefs, view, canvas);
  painter.Draw(e);
  if (e.Selected()) painter.Marks(e);
}

}  // namespace quill
