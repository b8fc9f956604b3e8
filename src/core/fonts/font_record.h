// The compiled engraving font (.QXF): no header, a run of 24-byte records, packed little-endian:
// int16 kind, int16 value, then five float32 X, Y, R, CX, CY.  The kinds are those of the text path
// (records/textpath_record.h): 0 character start (value: code), 1 and 2 the box corners, 3 move, 4 line,
// 5 and 6 arcs, 7 character end, 9 and 10 a curve block (value: its number of points).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace quill {

struct FontRecord {
  int16_t kind = 0;
  int16_t value = 0;
  float X = 0, Y = 0, R = 0, CX = 0, CY = 0;
};

inline constexpr size_t FontRecordSize = 24;

void EncodeFontRecord(const FontRecord& rec, unsigned char out[FontRecordSize]);
// A coordinate that is no finite number reads as 0, so a damaged font cannot carry one into a tool path.
FontRecord DecodeFontRecord(const unsigned char in[FontRecordSize]);

// A coordinate as the font stores it: clamped to the float range, 0 for what is no number.
float ToFontFloat(double v);

// Reads the records of a font file in order; a torn piece at the end of the file is ignored.
class FontReader {
 public:
  explicit FontReader(const std::string& path);
  ~FontReader();
  FontReader(const FontReader&) = delete;
  FontReader& operator=(const FontReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  bool Next(FontRecord& rec);
  // Index of the record Next reads next; Seek goes back to such an index.
  long Position() const { return position_; }
  bool Seek(long index);

 private:
  std::FILE* file_ = nullptr;
  long position_ = 0;
};

// Writes font records to a stream, counting them so the box records can be written back in place.
class FontWriter {
 public:
  explicit FontWriter(std::FILE* file) : file_(file) {}
  void Write(const FontRecord& rec);
  long Position() const { return position_; }
  bool Seek(long index);
  bool Failed() const { return failed_; }

 private:
  std::FILE* file_;
  long position_ = 0;
  bool failed_ = false;
};

}  // namespace quill
