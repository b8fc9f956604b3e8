#include "fonts/font_compiler.h"

#include <string_view>
#include <vector>

#include "fonts/font_record.h"
#include "fonts/font_source.h"
#include "mathlib/curves.h"
#include "mathlib/geom2d.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"
#include "records/textpath_record.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr int SplinePoints = 50;

struct Box {
  double xmin = 1000, ymin = 1000, xmax = -1000, ymax = -1000;
  void Add(double x, double y) {
    xmin = MinReal(xmin, x);
    ymin = MinReal(ymin, y);
    xmax = MaxReal(xmax, x);
    ymax = MaxReal(ymax, y);
  }
};

class Compiler {
 public:
  Compiler(Ui& ui, std::FILE* out) : ui_(ui), out_(out) {}

  void Line(std::string_view line) {
    int code = 0;
    switch (ClassifySourceLine(line, code)) {
      case SourceLineKind::Header: StartCharacter(code); break;
      case SourceLineKind::BadHeader:
        FinishCharacter();
        Report("Character Header [" + std::string(line) + "] Not Valid");
        break;
      case SourceLineKind::Ignored: break;
      case SourceLineKind::Motion:
        if (open_ && !MovesNothing(line)) Motion(line);
        break;
    }
  }

  void FinishCharacter() {
    if (!open_) return;
    out_.Write({TpCharEnd});
    const long end = out_.Position();
    out_.Seek(boxAt_);
    out_.Write({TpBoxLow, 0, ToFontFloat(box_.xmin), ToFontFloat(box_.ymin)});
    out_.Write({TpBoxHigh, 0, ToFontFloat(box_.xmax), ToFontFloat(box_.ymax)});
    out_.Seek(end);
    open_ = false;
  }

  bool Failed() const { return out_.Failed(); }
  int Errors() const { return errors_; }

 private:
  // The spline nodes are not part of a character's state: nodes left without their G11 join the next
  // spline, also in the next character.
  void StartCharacter(int code) {
    FinishCharacter();
    out_.Write({TpCharStart, static_cast<int16_t>(code)});
    boxAt_ = out_.Position();
    out_.Write({});
    out_.Write({});
    open_ = true;
    code_ = code;
    x_ = y_ = lastX_ = lastY_ = 0;
    mode_ = GWord::G00;
    box_ = Box();
  }

  void Motion(std::string_view line) {
    GWord g = FindGWord(line);
    if (g != GWord::None && g != GWord::G11) mode_ = g;
    const GWord action = g == GWord::G11 ? g : mode_;
    const double cx = x_ + AddressValue(line, 'I').value_or(0);
    const double cy = y_ + AddressValue(line, 'J').value_or(0);
    const double x = AddressValue(line, 'X').value_or(x_) + AddressValue(line, 'U').value_or(0);
    const double y = AddressValue(line, 'Y').value_or(y_) + AddressValue(line, 'V').value_or(0);
    box_.Add(x, y);
    switch (action) {
      case GWord::G00:
      case GWord::G01: out_.Write({action == GWord::G00 ? TpMove : TpLine, 0, ToFontFloat(x), ToFontFloat(y)}); break;
      case GWord::G02:
      case GWord::G03: Arc(action == GWord::G03, x, y, cx, cy); break;
      case GWord::G10:
        if (nodeCount_++ < MaxCurveNodes) nodes_.push_back({x, y});
        break;
      default: Spline(); break;
    }
    if (action != GWord::G10 && action != GWord::G11) {
      lastX_ = x;
      lastY_ = y;
    }
    x_ = x;
    y_ = y;
  }

  // The box takes the arc's whole sweep: counter-clockwise from start to end for G03, from end to start
  // for G02.
  void Arc(bool ccw, double x, double y, double cx, double cy) {
    const double r = Distance2D(cx, cy, x, y);
    out_.Write({ccw ? TpArcCcw : TpArcCw, 0, ToFontFloat(x), ToFontFloat(y), ToFontFloat(r), ToFontFloat(cx),
                ToFontFloat(cy)});
    const double startAngle = VectorAngle(lastX_ - cx, lastY_ - cy);
    const double endAngle = VectorAngle(x - cx, y - cy);
    Box arc;
    ArcExtents(cx, cy, r, ccw ? startAngle : endAngle, ccw ? endAngle : startAngle, arc.xmin, arc.ymin, arc.xmax,
               arc.ymax);
    if (arc.xmin <= arc.xmax) {
      box_.Add(arc.xmin, arc.ymin);
      box_.Add(arc.xmax, arc.ymax);
    }
  }

  void Spline() {
    if (nodeCount_ < MinCurveNodes || nodeCount_ > MaxCurveNodes) {
      Report("Character, \"" + std::string(1, static_cast<char>(code_)) + "\"\nSpline Nodes < 3 or > 50");
    } else {
      out_.Write({TpCurveStart, SplinePoints});
      for (const CurvePoint& p : BezierPoints(nodes_, SplinePoints)) {
        out_.Write({TpLine, 0, ToFontFloat(p.X), ToFontFloat(p.Y)});
      }
      out_.Write({TpCurveEnd, SplinePoints});
    }
    nodes_.clear();
    nodeCount_ = 0;
  }

  void Report(const std::string& text) {
    ui_.Error(text);
    ++errors_;
  }

  Ui& ui_;
  FontWriter out_;
  bool open_ = false;
  long boxAt_ = 0;
  int code_ = 0;
  double x_ = 0, y_ = 0, lastX_ = 0, lastY_ = 0;
  GWord mode_ = GWord::G00;
  Box box_;
  std::vector<CurvePoint> nodes_;
  long nodeCount_ = 0;
  int errors_ = 0;
};

}  // namespace

FontCompileResult CompileFont(Ui& ui, const std::string& sourcePath, const std::string& fontPath) {
  FontCompileResult result;
  BusyScope busy(ui);
  LineReader in(sourcePath);
  if (!in.IsOpen()) {
    ui.Error("Cannot Read File [" + sourcePath + "]");
    ++result.errors;
    return result;
  }
  AtomicFile file(fontPath);
  Compiler compiler(ui, file.Stream());
  if (file.IsOpen()) {
    std::string line;
    while (in.Next(line)) compiler.Line(line);
    compiler.FinishCharacter();
  }
  result.errors = compiler.Errors();
  result.written = file.IsOpen() && !compiler.Failed() && file.Commit();
  if (!result.written) {
    ui.Error("Cannot Write File [" + fontPath + "]");
    ++result.errors;
  }
  return result;
}

}  // namespace quill
