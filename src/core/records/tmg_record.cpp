#include "records/tmg_record.h"

#include <climits>
#include <cstring>

#include "mathlib/fixed_format.h"
#include "records/record_fields.h"

namespace quill {

namespace {

constexpr int TmgDecimals = 6;

constexpr size_t WriterBuffer = 1 << 20;

uint64_t BitsOf(double x) {
  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

char* Text(char* out, const char* text, size_t n) {
  std::memcpy(out, text, n);
  return out + n;
}

// Which of the seven reals a kind fills; the others are written as "0.0".
unsigned UsedFields(int kind) {
  switch (kind) {
    case TmgPoint: return 0b0000011;
    case TmgLine: return 0b0011011;  // Z values are flat
    case TmgArc: return 0b1100111;
    case TmgEnd: return 0;
    default: return 0b1111111;
  }
}

}  // namespace

char* WriteTmgRecord(char* out, const TmgRecord& rec) {
  for (int n : {rec.kind, rec.layer, rec.colour, rec.third}) {
    out = WriteInteger(out, n);
    *out++ = ' ';
  }
  unsigned used = UsedFields(rec.kind);
  for (int i = 0; i < 7; ++i) {
    if ((used >> i) & 1u) {
      out = WriteFixed(out, rec.r[i], TmgDecimals);
    } else {
      std::memcpy(out, "0.0", 3);
      out += 3;
    }
    *out++ = ' ';
  }
  return out - 1;
}

std::string FormatTmgRecord(const TmgRecord& rec) {
  char buf[TmgRecordRoom];
  return std::string(buf, WriteTmgRecord(buf, rec));
}

bool ParseTmgRecord(std::string_view line, TmgRecord& rec) {
  TmgRecord r;
  for (int* field : {&r.kind, &r.layer, &r.colour, &r.third}) {
    auto v = ReadIntField(line);
    if (!v || *v < INT_MIN || *v > INT_MAX) return false;
    *field = static_cast<int>(*v);
  }
  for (double& x : r.r) {
    auto v = ReadRealField(line);
    if (!v) return false;
    x = *v;
  }
  rec = r;
  return true;
}

bool TmgWriter::Open(const std::string& path) {
  Close();
  failed_ = false;
  count_ = 0;
  used_ = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  std::setvbuf(file_, nullptr, _IONBF, 0);  // the records are gathered here already
  if (!buffer_) buffer_.reset(new char[WriterBuffer]());  // (copies may read past a text)
  return true;
}

void TmgWriter::Flush() {
  if (used_ != 0 && std::fwrite(buffer_.get(), 1, used_, file_) != used_) failed_ = true;
  used_ = 0;
  lead_.at = endX_.at = endY_.at = nullptr;
}

char* TmgWriter::Keep(Remembered& slot, uint64_t key, const char* from, char* to) {
  slot = {key, from, static_cast<int>(to - from)};
  return to;
}

char* TmgWriter::Begin(int kind, int layer, int colour) {
  if (!file_) return nullptr;
  if (WriterBuffer - used_ < TmgRecordRoom + 2) Flush();
  char* out = buffer_.get() + used_;
  const uint64_t key = uint64_t{static_cast<uint32_t>(layer)} << 32 | static_cast<uint32_t>(colour);
  if (lead_.at && lead_.key == key && leadKind_ == kind) return CopyWrittenText(out, lead_.at, lead_.length);
  char* from = out;
  for (int n : {kind, layer, colour, 0}) {
    out = WriteInteger(out, n);
    *out++ = ' ';
  }
  leadKind_ = kind;
  return Keep(lead_, key, from, out);
}

char* TmgWriter::Real(char* out, double x) {
  return WriteFixed(out, x, TmgDecimals);
}

char* TmgWriter::RealAs(char* out, double x, const Remembered& before) {
  return before.at && before.key == BitsOf(x) ? CopyWrittenText(out, before.at, before.length) : Real(out, x);
}

void TmgWriter::Finish(char* end) {
  *end++ = '\r';
  *end++ = '\n';
  used_ = static_cast<size_t>(end - buffer_.get());
  ++count_;
}

void TmgWriter::Write(const TmgRecord& rec) {
  if (!file_) return;
  if (WriterBuffer - used_ < TmgRecordRoom + 2) Flush();
  Finish(WriteTmgRecord(buffer_.get() + used_, rec));
}

void TmgWriter::Point(int layer, int colour, double x, double y) {
  char* out = Begin(TmgPoint, layer, colour);
  if (!out) return;
  out = Real(out, x);
  *out++ = ' ';
  out = Real(out, y);
  Finish(Text(out, " 0.0 0.0 0.0 0.0 0.0", 20));
}

// A line's start is most often the last line's end.
void TmgWriter::Line(int layer, int colour, double x1, double y1, double x2, double y2) {
  char* out = Begin(TmgLine, layer, colour);
  if (!out) return;
  out = RealAs(out, x1, endX_);
  *out++ = ' ';
  out = RealAs(out, y1, endY_);
  out = Text(out, " 0.0 ", 5);
  char* from = out;
  out = Keep(endX_, BitsOf(x2), from, Real(out, x2));
  *out++ = ' ';
  from = out;
  out = Keep(endY_, BitsOf(y2), from, Real(out, y2));
  Finish(Text(out, " 0.0 0.0", 8));
}

void TmgWriter::Arc(int layer, int colour, double cx, double cy, double r, double saDeg, double faDeg) {
  char* out = Begin(TmgArc, layer, colour);
  if (!out) return;
  for (double x : {cx, cy, r}) {
    out = Real(out, x);
    *out++ = ' ';
  }
  out = Text(out, "0.0 0.0 ", 8);
  out = Real(out, saDeg);
  *out++ = ' ';
  Finish(Real(out, faDeg));
}

bool TmgWriter::Close() {
  if (!file_) return !failed_;
  Flush();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

bool TmgReader::Next(TmgRecord& rec) {
  std::string line;
  while (!ended_ && lines_.Next(line)) {
    if (!ParseTmgRecord(line, rec)) {
      if (line.find_first_not_of(" \t") != std::string::npos) ++skipped_;
      continue;
    }
    if (rec.kind == TmgEnd) break;
    return true;
  }
  ended_ = true;
  return false;
}

}  // namespace quill
