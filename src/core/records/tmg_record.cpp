#include "records/tmg_record.h"

#include <climits>

#include <cstring>

#include "mathlib/fixed_format.h"
#include "records/record_fields.h"

namespace quill {

namespace {

constexpr int TmgDecimals = 6;

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
  file_ = std::fopen(path.c_str(), "wb");
  if (file_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
  return file_ != nullptr;
}

void TmgWriter::Write(const TmgRecord& rec) {
  if (!file_) return;
  char line[TmgRecordRoom + 2];
  char* end = WriteTmgRecord(line, rec);
  *end++ = '\r';
  *end++ = '\n';
  const auto n = static_cast<size_t>(end - line);
  if (std::fwrite(line, 1, n, file_) != n) failed_ = true;
  ++count_;
}

void TmgWriter::Point(int layer, int colour, double x, double y) {
  Write({TmgPoint, layer, colour, 0, {x, y, 0, 0, 0, 0, 0}});
}

void TmgWriter::Line(int layer, int colour, double x1, double y1, double x2, double y2) {
  Write({TmgLine, layer, colour, 0, {x1, y1, 0, x2, y2, 0, 0}});
}

void TmgWriter::Arc(int layer, int colour, double cx, double cy, double r, double saDeg, double faDeg) {
  Write({TmgArc, layer, colour, 0, {cx, cy, r, 0, 0, saDeg, faDeg}});
}

bool TmgWriter::Close() {
  if (!file_) return !failed_;
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
