#include "fonts/font_record.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace quill {

namespace {

void PutU16(unsigned char* p, uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

void PutFloat(unsigned char* p, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(bits >> (8 * i));
}

int16_t GetI16(const unsigned char* p) {
  return static_cast<int16_t>(p[0] | (p[1] << 8));
}

float GetFloat(const unsigned char* p) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(p[i]) << (8 * i);
  float f;
  std::memcpy(&f, &bits, 4);
  return std::isfinite(f) ? f : 0.0f;
}

}  // namespace

float ToFontFloat(double v) {
  constexpr double top = std::numeric_limits<float>::max();
  if (std::isnan(v)) return 0.0f;
  if (v > top) return static_cast<float>(top);
  if (v < -top) return static_cast<float>(-top);
  return static_cast<float>(v);
}

void EncodeFontRecord(const FontRecord& rec, unsigned char out[FontRecordSize]) {
  PutU16(out, static_cast<uint16_t>(rec.kind));
  PutU16(out + 2, static_cast<uint16_t>(rec.value));
  PutFloat(out + 4, rec.X);
  PutFloat(out + 8, rec.Y);
  PutFloat(out + 12, rec.R);
  PutFloat(out + 16, rec.CX);
  PutFloat(out + 20, rec.CY);
}

FontRecord DecodeFontRecord(const unsigned char in[FontRecordSize]) {
  FontRecord r;
  r.kind = GetI16(in);
  r.value = GetI16(in + 2);
  r.X = GetFloat(in + 4);
  r.Y = GetFloat(in + 8);
  r.R = GetFloat(in + 12);
  r.CX = GetFloat(in + 16);
  r.CY = GetFloat(in + 20);
  return r;
}

FontReader::FontReader(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
}

FontReader::~FontReader() {
  if (file_) std::fclose(file_);
}

bool FontReader::Next(FontRecord& rec) {
  if (!file_) return false;
  unsigned char buf[FontRecordSize];
  if (std::fread(buf, 1, sizeof buf, file_) != sizeof buf) return false;
  rec = DecodeFontRecord(buf);
  ++position_;
  return true;
}

bool FontReader::Seek(long index) {
  if (!file_ || std::fseek(file_, index * static_cast<long>(FontRecordSize), SEEK_SET) != 0) return false;
  position_ = index;
  return true;
}

void FontWriter::Write(const FontRecord& rec) {
  unsigned char buf[FontRecordSize];
  EncodeFontRecord(rec, buf);
  if (std::fwrite(buf, 1, sizeof buf, file_) != sizeof buf) failed_ = true;
  ++position_;
}

bool FontWriter::Seek(long index) {
  if (std::fseek(file_, index * static_cast<long>(FontRecordSize), SEEK_SET) != 0) {
    failed_ = true;
    return false;
  }
  position_ = index;
  return true;
}

}  // namespace quill
