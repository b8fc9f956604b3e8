// The artwork file QUILLART.TMP: one record per line, an integer kind and always five reals, written
// with 10 decimals.  Kinds: 0 move (x, y, px, py), 1 line (x1, y1, x2, y2), 2 clockwise arc and
// 3 counter-clockwise arc (cx, cy, r, sa, fa).
#pragma once

#include <cstdint>
#include <string>

#include "records/line_reader.h"
#include "records/line_writer.h"

namespace quill {

enum ArtKind : int { ArtMove = 0, ArtLine = 1, ArtArcCw = 2, ArtArcCcw = 3 };

struct ArtRecord {
  int kind = 0;
  double v[5] = {0, 0, 0, 0, 0};
};

// One record as text, without the line ending.  Moves and lines get the literal filler " 0.0" as their
// fifth number; other kinds are written with all five.
std::string FormatArtRecord(const ArtRecord& rec);
// The same text written at out, which has room for ArtRecordRoom characters; returns its end.
inline constexpr int ArtRecordRoom = 16 + 5 * 400;
char* WriteArtRecord(char* out, const ArtRecord& rec);

class ArtWriter {
 public:
  ArtWriter() = default;
  // append: add to the end (the file is created when missing); otherwise start from empty.  The
  // records replace the file at Close, so a crash while writing leaves the old artwork whole.
  ArtWriter(const std::string& path, bool append) { Open(path, append); }

  bool Open(const std::string& path, bool append) { return out_.OpenReplacing(path, append); }
  bool IsOpen() const { return out_.IsOpen(); }
  void Write(const ArtRecord& rec);
  void Move(double x, double y, double px, double py) { Write({ArtMove, {x, y, px, py, 0}}); }
  void Line(double x1, double y1, double x2, double y2) { Write({ArtLine, {x1, y1, x2, y2, 0}}); }
  void Arc(int kind, double cx, double cy, double r, double sa, double fa) { Write({kind, {cx, cy, r, sa, fa}}); }
  // A line of text copied as it stands (a project's embedded artwork).
  void WriteRaw(const std::string& line) { out_.Put(line); }
  bool Close() { return out_.Close(); }
  long Count() const { return out_.Count(); }

 private:
  // A record's text and where its first four numbers stand in it.  Strokes run on from one another:
  // a corner the record before had is copied from its text rather than formatted again.
  struct Written {
    char text[ArtRecordRoom + 16];  // (copies move 16 characters at a time)
    uint64_t bits[4] = {};
    int at[4] = {};
    int length[4] = {-1, -1, -1, -1};
  };
  char* Corner(char* out, double v, int i);

  LineWriter out_;
  Written written_[2];  // this record's and the one before's
  int current_ = 0;
};

// Reads every record with a readable kind and five readable reals; other lines are skipped, so a
// damaged line never stops a reader.  Callers pick the kinds they understand.
class ArtReader {
 public:
  explicit ArtReader(const std::string& path) : lines_(path) {}
  bool IsOpen() const { return lines_.IsOpen(); }
  bool Next(ArtRecord& rec);
  long Skipped() const { return skipped_; }

 private:
  LineReader lines_;
  long skipped_ = 0;
};

bool ParseArtRecord(const std::string& line, ArtRecord& rec);

}  // namespace quill
