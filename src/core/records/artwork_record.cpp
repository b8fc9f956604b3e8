#include "records/artwork_record.h"

#include <cstring>

#include "mathlib/fixed_format.h"
#include "records/record_fields.h"

namespace quill {

namespace {

constexpr int ArtDecimals = 10;

// The record's text with each number written by real(out, value, index).
template <class Real>
char* WriteFields(char* out, const ArtRecord& rec, Real real) {
  out = WriteInteger(out, rec.kind);
  // Moves and lines carry four numbers and the literal filler; every other kind keeps all five.
  bool filler = rec.kind == ArtMove || rec.kind == ArtLine;
  int reals = filler ? 4 : 5;
  for (int i = 0; i < reals; ++i) {
    *out++ = ' ';
    out = real(out, rec.v[i], i);
  }
  if (filler) {
    std::memcpy(out, " 0.0", 4);
    out += 4;
  }
  return out;
}

char* WriteReal(char* out, double v, int) {
  return WriteFixed(out, v, ArtDecimals);
}

}  // namespace

char* WriteArtRecord(char* out, const ArtRecord& rec) {
  return WriteFields(out, rec, WriteReal);
}

std::string FormatArtRecord(const ArtRecord& rec) {
  char buf[ArtRecordRoom];
  return std::string(buf, WriteArtRecord(buf, rec));
}

char* ArtWriter::Corner(char* out, double v, int i) {
  Written& now = written_[current_];
  const Written& before = written_[current_ ^ 1];
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  char* end = nullptr;
  for (int j = i % 2; j < 4 && !end; j += 2) {  // X with X, Y with Y
    if (before.length[j] >= 0 && before.bits[j] == bits) end = CopyWrittenText(out, before.text + before.at[j], before.length[j]);
  }
  if (!end) end = WriteReal(out, v, i);
  now.bits[i] = bits;
  now.at[i] = static_cast<int>(out - now.text);
  now.length[i] = static_cast<int>(end - out);
  return end;
}

void ArtWriter::Write(const ArtRecord& rec) {
  Written& now = written_[current_];
  char* end = WriteFields(now.text, rec, [this](char* out, double v, int i) {
    return i < 4 ? Corner(out, v, i) : WriteReal(out, v, i);
  });
  out_.PutText(now.text, static_cast<size_t>(end - now.text));
  current_ ^= 1;
}

bool ParseArtRecord(const std::string& line, ArtRecord& rec) {
  std::string_view s(line);
  auto kind = ReadIntField(s);
  if (!kind || *kind < -2147483647LL || *kind > 2147483647LL) return false;
  ArtRecord r;
  r.kind = static_cast<int>(*kind);
  for (double& v : r.v) {
    auto x = ReadRealField(s);
    if (!x) return false;
    v = *x;
  }
  rec = r;
  return true;
}

bool ArtReader::Next(ArtRecord& rec) {
  std::string line;
  while (lines_.Next(line)) {
    if (ParseArtRecord(line, rec)) return true;
    if (line.find_first_not_of(" \t") != std::string::npos) ++skipped_;
  }
  return false;
}

}  // namespace quill
