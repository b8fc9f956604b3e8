#include "records/textpath_record.h"

#include <cstring>

namespace quill {

namespace {

void PutU16(unsigned char* p, uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

void PutDouble(unsigned char* p, double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, 8);
  for (int i = 0; i < 8; ++i) p[i] = static_cast<unsigned char>(bits >> (8 * i));
}

int16_t GetI16(const unsigned char* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }

double GetDouble(const unsigned char* p) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(p[i]) << (8 * i);
  double d;
  std::memcpy(&d, &bits, 8);
  return d;
}

}  // namespace

void EncodeTextPathRecord(const TextPathRecord& rec, unsigned char out[TextPathRecordSize]) {
  PutU16(out, static_cast<uint16_t>(rec.kind));
  PutU16(out + 2, static_cast<uint16_t>(rec.value));
  PutDouble(out + 4, rec.X);
  PutDouble(out + 12, rec.Y);
  PutDouble(out + 20, rec.R);
  PutDouble(out + 28, rec.CX);
  PutDouble(out + 36, rec.CY);
}

TextPathRecord DecodeTextPathRecord(const unsigned char in[TextPathRecordSize]) {
  TextPathRecord r;
  r.kind = GetI16(in);
  r.value = GetI16(in + 2);
  r.X = GetDouble(in + 4);
  r.Y = GetDouble(in + 12);
  r.R = GetDouble(in + 20);
  r.CX = GetDouble(in + 28);
  r.CY = GetDouble(in + 36);
  return r;
}

bool TextPathWriter::Open(const std::string& path, bool append) {
  Close();
  failed_ = false;
  count_ = 0;
  file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
  return file_ != nullptr;
}

void TextPathWriter::Write(const TextPathRecord& rec) {
  if (!file_) return;
  unsigned char buf[TextPathRecordSize];
  EncodeTextPathRecord(rec, buf);
  if (std::fwrite(buf, 1, sizeof buf, file_) != sizeof buf) failed_ = true;
  ++count_;
}

void TextPathWriter::Write(int16_t kind, int16_t value, double x, double y, double r, double cx, double cy) {
  Write(TextPathRecord{kind, value, x, y, r, cx, cy});
}

bool TextPathWriter::Close() {
  if (!file_) return !failed_;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

TextPathReader::TextPathReader(const std::string& path) { file_ = std::fopen(path.c_str(), "rb"); }

TextPathReader::~TextPathReader() {
  if (file_) std::fclose(file_);
}

bool TextPathReader::Next(TextPathRecord& rec) {
  if (!file_) return false;
  unsigned char buf[TextPathRecordSize];
  if (std::fread(buf, 1, sizeof buf, file_) != sizeof buf) return false;
  rec = DecodeTextPathRecord(buf);
  return true;
}

}  // namespace quill
