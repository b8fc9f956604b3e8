#include "fonts/font_loader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "records/textpath_record.h"
#include "ui/ui.h"

namespace quill {

void CharExtent::Add(double x, double y) {
  XMin = std::min(XMin, x);
  YMin = std::min(YMin, y);
  XMax = std::max(XMax, x);
  YMax = std::max(YMax, y);
}

namespace {

constexpr int MaxBlockPoints = 32767;  // what the count field holds

void WriteSpace(TextPathWriter& out, double w) {
  out.Write(TpCharStart, ' ');
  out.Write(TpBoxLow, 0);
  out.Write(TpBoxHigh, 0, w, w);
  out.Write(TpMove, 0, w, 0);
  out.Write(TpCharEnd, 0);
}

// Copies one character from the font to the text path, record by record.
class CharacterCopier {
 public:
  CharacterCopier(FontReader& in, TextPathWriter& out, CharExtent& extent) : in_(in), out_(out), extent_(extent) {}

  void Run(unsigned char code) {
    FontRecord r;
    in_.Next(r);  // the character's own start record
    out_.Write(TpCharStart, code);
    while (in_.Next(r) && r.kind != TpCharEnd && r.kind != TpCharStart) Copy(r);
    out_.Write(TpCharEnd, 0);
  }

 private:
  void Copy(const FontRecord& r) {
    switch (r.kind) {
      case TpBoxLow:
      case TpBoxHigh: out_.Write(r.kind, 0, r.X, r.Y); break;
      case TpMove:
        extent_.Add(r.X, r.Y);
        out_.Write(r.kind, 0, r.X, r.Y);
        break;
      case TpLine:
        extent_.Add(r.X, r.Y);
        out_.Write(r.kind, 0, r.X, r.Y);
        if (blockLeft_ > 0 && --blockLeft_ == 0) out_.Write(TpCurveEnd, blockSize_);
        break;
      case TpArcCw:
      case TpArcCcw:
        out_.Write(r.kind, 0, r.X, r.Y, std::hypot(double(r.X) - r.CX, double(r.Y) - r.CY), r.CX, r.CY);
        break;
      case TpCurveStart: OpenBlock(); break;
      default:  // the file's own block ends (blocks are closed by their count) and kinds a font has not
        break;
    }
  }

  // The block's count is what follows it, not what the file says, so no reader can run past its end.
  void OpenBlock() {
    const long at = in_.Position();
    int n = 0;
    FontRecord r;
    while (n < MaxBlockPoints && in_.Next(r) && r.kind == TpLine) ++n;
    in_.Seek(at);
    if (n == 0) return;
    blockSize_ = static_cast<int16_t>(n);
    blockLeft_ = n;
    out_.Write(TpCurveStart, blockSize_);
  }

  FontReader& in_;
  TextPathWriter& out_;
  CharExtent& extent_;
  int blockLeft_ = 0;
  int16_t blockSize_ = 0;
};

}  // namespace

bool LoadFontCharacter(Ui& ui, CompiledFont& font, unsigned char code, double spaceWidth, TextPathWriter& out,
                       CharExtent& extent) {
  ui.Status(StatusChannel::TextPathConsole, std::string(1, static_cast<char>(code)), ConsoleColor::Green, false);
  ui.Status(StatusChannel::TextPathConsole, "", ConsoleColor::Blue, false);
  extent.Reset();
  if (code == ' ') {
    WriteSpace(out, spaceWidth);
    return true;
  }
  if (!font.SeekCharacter(code)) return false;
  CharacterCopier(font.Reader(), out, extent).Run(code);
  return true;
}

}  // namespace quill
