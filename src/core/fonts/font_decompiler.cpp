#include "fonts/font_decompiler.h"

#include "fonts/font_record.h"
#include "mathlib/number_text.h"
#include "records/atomic_file.h"
#include "records/textpath_record.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr int SourceDecimals = 4;

std::string Real(double v) {
  return FormatFixed(v, SourceDecimals);
}

// The header: the character itself between brackets, or its code after "#" for control codes (and for
// anything that is no 8-bit code).
std::string Header(int code) {
  std::string h = "(";
  if (code > 31 && code <= 255) {
    h += static_cast<char>(code);
  } else {
    h += '#';
    h += std::to_string(code);
  }
  h += ')';
  return h;
}

class Decompiler {
 public:
  explicit Decompiler(AtomicFile& out) : out_(out) {}

  void Record(const FontRecord& r) {
    if (r.kind == TpCharStart) {
      Line(Header(r.value));
      Line(std::string("T") + std::to_string(r.value));
      inCharacter_ = true;
      inSpline_ = false;
      x_ = y_ = 0;
    } else if (inCharacter_) {
      Drawing(r);
    }
  }

  void Finish() { out_.Write("M30"); }

 private:
  void Drawing(const FontRecord& r) {
    switch (r.kind) {
      case TpMove: To("G00", r); break;
      case TpLine: To(inSpline_ ? "G10" : "G01", r); break;
      case TpArcCw:
      case TpArcCcw:
        // The centre as an offset from the arc's start: the end of the drawing record before it.
        Line(std::string(r.kind == TpArcCw ? "G02" : "G03") + Point(r) + " I" + Real(r.CX - x_) + " J" +
             Real(r.CY - y_));
        Moved(r);
        break;
      case TpCurveStart:
        Line("G10 (" + std::to_string(r.value) + ")");
        inSpline_ = true;
        break;
      case TpCurveEnd:
        Line("G11");
        inSpline_ = false;
        break;
      case TpCharEnd: inCharacter_ = false; break;
      default: break;
    }
  }

  static std::string Point(const FontRecord& r) { return " X" + Real(r.X) + " Y" + Real(r.Y); }

  void To(const char* word, const FontRecord& r) {
    Line(word + Point(r));
    Moved(r);
  }

  void Moved(const FontRecord& r) {
    x_ = r.X;
    y_ = r.Y;
  }

  void Line(const std::string& text) { out_.Write(text + "\r\n"); }

  AtomicFile& out_;
  bool inCharacter_ = false;
  bool inSpline_ = false;
  double x_ = 0, y_ = 0;
};

}  // namespace

bool DecompileFont(Ui& ui, const std::string& fontPath, const std::string& sourcePath) {
  BusyScope busy(ui);
  FontReader in(fontPath);
  if (!in.IsOpen()) {
    ui.Error(std::string("Cannot Read File [") + fontPath + "]");
    return false;
  }
  AtomicFile out(sourcePath);
  Decompiler decompiler(out);
  FontRecord r;
  while (in.Next(r)) decompiler.Record(r);
  decompiler.Finish();
  if (out.Commit()) return true;
  ui.Error(std::string("Cannot Write File [") + sourcePath + "]");
  return false;
}

}  // namespace quill
