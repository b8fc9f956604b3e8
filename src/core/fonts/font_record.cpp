#include "fonts/font_record.h"

#include <cmath>
#include <limits>

#include "records/little_endian.h"

namespace quill {

namespace {

float GetCoordinate(const unsigned char* p) {
  float f = GetLittleEndian<float>(p);
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
  PutLittleEndian(out, rec.kind);
  PutLittleEndian(out + 2, rec.value);
  PutLittleEndian(out + 4, rec.X);
  PutLittleEndian(out + 8, rec.Y);
  PutLittleEndian(out + 12, rec.R);
  PutLittleEndian(out + 16, rec.CX);
  PutLittleEndian(out + 20, rec.CY);
}

FontRecord DecodeFontRecord(const unsigned char in[FontRecordSize]) {
  FontRecord r;
  r.kind = GetLittleEndian<int16_t>(in);
  r.value = GetLittleEndian<int16_t>(in + 2);
  r.X = GetCoordinate(in + 4);
  r.Y = GetCoordinate(in + 8);
  r.R = GetCoordinate(in + 12);
  r.CX = GetCoordinate(in + 16);
  r.CY = GetCoordinate(in + 20);
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
