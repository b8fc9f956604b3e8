#include "artwork/hpgl_import.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "artwork/artwork_store.h"
#include "job/job.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

constexpr int End = -1;
constexpr int EndOfText = 3;  // ends a label
constexpr size_t NumberCap = 32;

class CharSource {
 public:
  explicit CharSource(std::FILE* f) : file_(f), buffer_(1 << 16) {}
  int Next() {
    if (pos_ == len_) {
      len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
      pos_ = 0;
      if (len_ == 0) return End;
    }
    return static_cast<unsigned char>(buffer_[pos_++]);
  }

 private:
  std::FILE* file_;
  std::vector<char> buffer_;
  size_t pos_ = 0, len_ = 0;
};

bool IsNumberChar(int c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}
bool IsPenLetter(int c) {
  return c == ',' || c == 'A' || c == 'D' || c == 'P' || c == 'R' || c == 'U';
}
bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class HpglPlot {
 public:
  HpglPlot(CharSource& in, ArtWriter& out) : in_(in), out_(out) {}
  void Run();

 private:
  int TwoLetterCommand(int first);
  int PenCommand();
  int ReadNumber(int c, std::optional<double>& value);
  void MoveTo(double x, double y);

  CharSource& in_;
  ArtWriter& out_;
  bool absolute_ = true, down_ = false;
  double x_ = 0, y_ = 0;
};

void HpglPlot::Run() {
  int c = in_.Next();
  while (c != End) {
    if (c < 'A' || c > 'Z') {
      c = in_.Next();
    } else if (c == 'P') {
      c = PenCommand();
    } else {
      c = TwoLetterCommand(c);
    }
  }
}

// Returns the character the main loop examines next.
int HpglPlot::TwoLetterCommand(int first) {
  int second = in_.Next();
  int c = in_.Next();
  if (first == 'L' && second == 'B') {
    while (c != End && c != EndOfText) c = in_.Next();
    return c == End ? End : in_.Next();
  }
  if (first == 'S' && second == 'P') {
    while (IsNumberChar(c)) c = in_.Next();  // the pen number
  }
  return c;  // every other command's parameters are passed over as they come
}

// Entered after the "P" of PU, PD, PA or PR; several pen commands may run on without separators.
int HpglPlot::PenCommand() {
  int c = in_.Next();
  if (!IsPenLetter(c)) return c;
  std::optional<double> x;
  for (;;) {
    if (IsNumberChar(c)) {
      std::optional<double> v;
      c = ReadNumber(c, v);
      if (!v) continue;
      if (!x) {
        x = v;
        c = in_.Next();  // the separator after X
      } else {
        MoveTo(*x, *v);
        x.reset();
      }
      continue;
    }
    if (!IsPenLetter(c) && !IsBlank(c)) return c;
    if (c == 'A') absolute_ = true;
    if (c == 'R') absolute_ = false;
    if (c == 'U') down_ = false;
    if (c == 'D') down_ = true;
    if (c != ',' && !IsBlank(c)) x.reset();  // a lone number before another command is ignored
    c = in_.Next();
  }
}

int HpglPlot::ReadNumber(int c, std::optional<double>& value) {
  std::string text;
  bool tooLong = false;
  for (; IsNumberChar(c); c = in_.Next()) {
    if (text.size() < NumberCap) {
      text += static_cast<char>(c);
    } else {
      tooLong = true;
    }
  }
  if (!tooLong) value = StrictToDouble(text);
  return c;
}

void HpglPlot::MoveTo(double x, double y) {
  double nx = x * HpglScaleX, ny = y * HpglScaleY;
  if (!absolute_) nx += x_, ny += y_;
  // The record's first point is where the stroke ends.
  if (down_) out_.Line(nx, ny, x_, y_);
  x_ = nx;
  y_ = ny;
}

}  // namespace

ImportResult ImportHpgl(Job& job, const std::string& fileName) {
  if (!ReadableFile(fileName)) return {ImportResult::InputUnreadable};
  std::FILE* f = std::fopen(fileName.c_str(), "rb");
  if (!f) return {ImportResult::InputUnreadable};
  ArtWriter out;
  if (!OpenArtwork(job, out, ArtworkWrite::Replace)) {
    std::fclose(f);
    return {ImportResult::ArtworkUnwritable};
  }
  CharSource in(f);
  HpglPlot(in, out).Run();
  std::fclose(f);
  long records = out.Count();
  if (!CloseArtwork(job, out)) return {ImportResult::ArtworkUnwritable, records};
  return {ImportResult::Done, records};
}

}  // namespace quill
