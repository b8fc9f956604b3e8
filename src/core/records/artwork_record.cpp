#include "records/artwork_record.h"

#include "mathlib/number_text.h"
#include "records/record_fields.h"

namespace quill {

namespace {
constexpr int ArtDecimals = 10;
}

std::string FormatArtRecord(const ArtRecord& rec) {
  std::string s = std::to_string(rec.kind);
  // Moves and lines carry four numbers and the literal filler; every other kind keeps all five.
  bool filler = rec.kind == ArtMove || rec.kind == ArtLine;
  int reals = filler ? 4 : 5;
  for (int i = 0; i < reals; ++i) {
    s += ' ';
    s += FormatFixed(rec.v[i], ArtDecimals);
  }
  if (filler) s += " 0.0";
  return s;
}

bool ArtWriter::Open(const std::string& path, bool append) {
  Close();
  failed_ = false;
  count_ = 0;
  file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (file_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
  return file_ != nullptr;
}

void ArtWriter::Write(const ArtRecord& rec) {
  WriteRaw(FormatArtRecord(rec));
}

void ArtWriter::WriteRaw(const std::string& line) {
  if (!file_) return;
  if (std::fputs(line.c_str(), file_) < 0 || std::fputs("\r\n", file_) < 0) failed_ = true;
  ++count_;
}

bool ArtWriter::Close() {
  if (!file_) return !failed_;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
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
