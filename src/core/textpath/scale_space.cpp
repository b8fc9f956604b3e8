#include "textpath/scale_space.h"

#include <algorithm>
#include <cstring>

namespace quill {

bool TakesWordSpace(int code) { return code != 0 && std::strchr(" !\"',.:;?", code) != nullptr; }

namespace {

class Spacer {
 public:
  Spacer(double sx, double sy, const SpacingRule& rule) : sx_(sx), sy_(sy), rule_(rule) {
    if (rule_.on && !rule_.constant) UseEntry(rule_.textIndex);
  }

  void Record(TextPathRecord& r) {
    switch (r.kind) {
      case TpCharStart: StartCharacter(r.value); break;
      case TpBoxHigh: advance_ = r.X * sx_; break;
      case TpMove:
      case TpLine:
        r.X = r.X * sx_ + pen_;
        r.Y *= sy_;
        Reach(r.X);
        break;
      case TpArcCw:
      case TpArcCcw:
        r.X = r.X * sy_ + pen_;
        r.Y *= sy_;
        r.CX = r.CX * sy_ + pen_;
        r.CY *= sy_;
        r.R *= sy_;
        Reach(r.X);
        break;
      case TpCharEnd:
        first_ = false;
        ++line_.charCount;
        break;
      default: break;
    }
  }

  const ScaledLine& Result() const { return line_; }

 private:
  void StartCharacter(int16_t code) {
    if (!first_ && rule_.on) {
      if (rule_.constant) {
        pen_ += advance_ + (TakesWordSpace(static_cast<unsigned char>(code)) ? rule_.wordSpace : rule_.charSpace);
      } else {
        long k = rule_.textIndex + index_;
        pen_ += advance_ + EntrySpacing(k - 1);
        UseEntry(k);
      }
    }
    ++index_;
  }

  bool InTable(long k) const { return rule_.table && k >= 0 && k < CharTableSize; }
  // Past the end of the table a character keeps the constant spacing and the text height.
  double EntrySpacing(long k) const { return InTable(k) ? (*rule_.table)[k].spacing : rule_.charSpace; }
  void UseEntry(long k) {
    sy_ = InTable(k) ? (*rule_.table)[k].height : rule_.fallbackHeight;
    sx_ = sy_ * rule_.widthFactor / 100;
  }
  void Reach(double x) { line_.length = std::max(line_.length, x); }

  double sx_, sy_;
  const SpacingRule& rule_;
  double pen_ = 0;
  double advance_ = 0;
  bool first_ = true;
  long index_ = 0;
  ScaledLine line_;
};

}  // namespace

ScaledLine ScaleAndSpace(LineWork& line, double sx, double sy, const SpacingRule& rule) {
  Spacer spacer(sx, sy, rule);
  line.Transform([&spacer](const TextPathRecord& rec, TextPathWriter& out) {
    TextPathRecord r = rec;
    spacer.Record(r);
    out.Write(r);
  });
  return spacer.Result();
}

}  // namespace quill
