// The TMG geometry file (Kestrel-CAM's format, also the DXF import's intermediate DXFTMP.TMG): one record
// per line, four integers (kind, layer, colour, a third written as 0) and seven reals.
//   kind 1 point:  X, Y
//   kind 2 line:   start X, Y, Z, end X, Y, Z
//   kind 3 arc:    centre X, Y, radius, -, -, start angle, end angle (degrees, always counter-clockwise)
//   kind -999:     the end of the records
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "records/line_reader.h"

namespace quill {

enum TmgKind : int { TmgPoint = 1, TmgLine = 2, TmgArc = 3, TmgEnd = -999 };

struct TmgRecord {
  int kind = 0;
  int layer = 0;
  int colour = 0;
  int third = 0;
  double r[7] = {0, 0, 0, 0, 0, 0, 0};
};

// One record as text, without the line ending: reals with 6 decimals, the fields the kind leaves empty
// (a line's Z values among them) as the literal "0.0".
std::string FormatTmgRecord(const TmgRecord& rec);
// The same text written at out, which has room for TmgRecordRoom characters; returns its end.
inline constexpr int TmgRecordRoom = 4 * 24 + 7 * 400;
char* WriteTmgRecord(char* out, const TmgRecord& rec);
// Four whole numbers and seven reals, blank-separated, any real notation; false for anything else.
bool ParseTmgRecord(std::string_view line, TmgRecord& rec);

// Records are formatted straight into one large buffer.  A drawing's curves come out as runs of lines,
// each starting where the last one ended, and records of one layer and colour follow each other: the
// text of the last end point and of the last record's leading numbers is copied rather than formatted.
class TmgWriter {
 public:
  TmgWriter() = default;
  ~TmgWriter() { Close(); }
  TmgWriter(const TmgWriter&) = delete;
  TmgWriter& operator=(const TmgWriter&) = delete;

  bool Open(const std::string& path);  // from empty
  bool IsOpen() const { return file_ != nullptr; }
  void Write(const TmgRecord& rec);
  void Point(int layer, int colour, double x, double y);
  void Line(int layer, int colour, double x1, double y1, double x2, double y2);
  void Arc(int layer, int colour, double cx, double cy, double r, double saDeg, double faDeg);
  void End() { Write({TmgEnd, 0, 0, 0, {}}); }
  bool Close();  // false when a write failed
  long Count() const { return count_; }

 private:
  // Where the text of a value written before stands in the buffer (until the buffer is written out).
  struct Remembered {
    uint64_t key = 0;
    const char* at = nullptr;
    int length = 0;
  };

  char* Begin(int kind, int layer, int colour);  // room for a record and its leading numbers; null when closed
  char* Real(char* out, double x);
  char* RealAs(char* out, double x, const Remembered& before);  // copies before's text when x is its value
  static char* Keep(Remembered& slot, uint64_t key, const char* from, char* to);
  void Finish(char* end);  // ends the record begun
  void Flush();

  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  bool failed_ = false;
  long count_ = 0;
  int leadKind_ = 0;  // the kind of the leading numbers kept in lead_
  Remembered lead_, endX_, endY_;
};

// Reads records up to the end of the file or the end record; damaged lines are skipped.
class TmgReader {
 public:
  explicit TmgReader(const std::string& path) : lines_(path) {}
  bool IsOpen() const { return lines_.IsOpen(); }
  bool Next(TmgRecord& rec);
  long Skipped() const { return skipped_; }

 private:
  LineReader lines_;
  long skipped_ = 0;
  bool ended_ = false;
};

}  // namespace quill
