#include "records/artwork_record.h"

#include <cstring>

#include "mathlib/fixed_format.h"
#include "records/record_fields.h"

namespace quill {

namespace {
constexpr int ArtDecimals = 10;
}

char* WriteArtRecord(char* out, const ArtRecord& rec) {
  out = WriteInteger(out, rec.kind);
  // Moves and lines carry four numbers and the literal filler; every other kind keeps all five.
  bool filler = rec.kind == ArtMove || rec.kind == ArtLine;
  int reals = filler ? 4 : 5;
  for (int i = 0; i < reals; ++i) {
    *out++ = ' ';
    out = WriteFixed(out, rec.v[i], ArtDecimals);
  }
  if (filler) {
    std::memcpy(out, " 0.0", 4);
    out += 4;
  }
  return out;
}

std::string FormatArtRecord(const ArtRecord& rec) {
  char buf[ArtRecordRoom];
  return std::string(buf, WriteArtRecord(buf, rec));
}

void ArtWriter::Write(const ArtRecord& rec) {
  char buf[ArtRecordRoom];
  out_.PutText(buf, static_cast<size_t>(WriteArtRecord(buf, rec) - buf));
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
