// The 44-byte text path record shared by QMBF.TMP, QMLINE.TMP, QMLINE1.TMP, QMARCFIT.TMP and
// QUILLART3.TMP: int16 kind, int16 value, then five doubles X, Y, R, CX, CY, packed little-endian.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace quill {

enum TextPathKind : int16_t {
  TpCharStart = 0,   // value: character code
  TpBoxLow = 1,      // box corner in font units; value 1 for a TrueType glyph
  TpBoxHigh = 2,
  TpMove = 3,        // pen up to (X, Y)
  TpLine = 4,        // pen down to (X, Y)
  TpArcCw = 5,       // clockwise arc to (X, Y) about (CX, CY), radius R
  TpArcCcw = 6,      // counter-clockwise arc
  TpCharEnd = 7,
  TpLineEnd = 8,     // end of one line of text
  TpCurveStart = 9,  // value: number of kind 4 points that follow
  TpCurveEnd = 10,
};

struct TextPathRecord {
  int16_t kind = 0;
  int16_t value = 0;
  double X = 0, Y = 0, R = 0, CX = 0, CY = 0;
};

inline constexpr size_t TextPathRecordSize = 44;

void EncodeTextPathRecord(const TextPathRecord& rec, unsigned char out[TextPathRecordSize]);
TextPathRecord DecodeTextPathRecord(const unsigned char in[TextPathRecordSize]);

// Writes records to a file, buffered.
class TextPathWriter {
 public:
  TextPathWriter() = default;
  // append: add to the end of an existing file (created when missing).
  explicit TextPathWriter(const std::string& path, bool append = false) { Open(path, append); }
  // Writes at the position of a stream someone else owns; Close only flushes it.
  explicit TextPathWriter(std::FILE* borrowed) : file_(borrowed), owned_(false) {}
  // Appends to records held in memory (a line of text being laid out).
  explicit TextPathWriter(std::vector<TextPathRecord>& memory) : memory_(&memory) {}
  ~TextPathWriter() { Close(); }
  TextPathWriter(const TextPathWriter&) = delete;
  TextPathWriter& operator=(const TextPathWriter&) = delete;

  bool Open(const std::string& path, bool append = false);
  bool IsOpen() const { return file_ != nullptr || memory_ != nullptr; }
  void Write(const TextPathRecord& rec);
  void Write(int16_t kind, int16_t value, double x = 0, double y = 0, double r = 0, double cx = 0, double cy = 0);
  // False when a write failed (disk full ...).
  bool Close();
  // True once a write failed: the file no longer holds every record written.
  bool Failed() const { return failed_; }
  long Count() const { return count_; }

 private:
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;  // the stream's buffer when the writer opened the file
  std::vector<TextPathRecord>* memory_ = nullptr;
  bool owned_ = true;
  bool failed_ = false;
  long count_ = 0;
};

// Reads records in order; a short piece at the end of the file is ignored.
class TextPathReader {
 public:
  explicit TextPathReader(const std::string& path);
  // Reads from the position of a stream someone else owns.
  explicit TextPathReader(std::FILE* borrowed) : file_(borrowed), owned_(false) {}
  ~TextPathReader();
  TextPathReader(const TextPathReader&) = delete;
  TextPathReader& operator=(const TextPathReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  bool Next(TextPathRecord& rec);

 private:
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;  // the stream's buffer when the reader opened the file
  bool owned_ = true;
};

}  // namespace quill
