#include "toolpath/merge/csv_table.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "toolpath/merge/text_codes.h"

namespace quill {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t DetectionRecords = 20;

// Walks the text record by record.
class CsvScanner {
 public:
  CsvScanner(std::string_view text, char separator) : text_(text), sep_(separator) {}

  // The next record's fields; false at the end of the text.  unclosed: a quote that never closed
  // (the record then runs to the end of the text).
  bool Next(std::vector<std::string>& fields, bool& unclosed);
  long Line() const { return line_; }       // the line the scanner is on (1-based)
  long Record() const { return records_; }  // records read so far

 private:
  bool AtLineEnd() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }
  void SkipLineEnd();
  void QuotedField(std::string& field, bool& unclosed);

  std::string_view text_;
  char sep_;
  size_t pos_ = 0;
  long line_ = 1;
  long records_ = 0;
};

void CsvScanner::SkipLineEnd() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

void CsvScanner::QuotedField(std::string& field, bool& unclosed) {
  ++pos_;  // the opening quote
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c == '"') {
      if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
        field += '"';
        pos_ += 2;
        continue;
      }
      ++pos_;
      return;
    }
    if (AtLineEnd()) {
      field += '\n';
      SkipLineEnd();
      continue;
    }
    field += c;
    ++pos_;
  }
  unclosed = true;
}

bool CsvScanner::Next(std::vector<std::string>& fields, bool& unclosed) {
  fields.clear();
  unclosed = false;
  if (pos_ >= text_.size()) return false;
  ++records_;
  std::string field;
  bool quotedStart = true;  // a quote here opens a quoted field
  while (pos_ < text_.size() && !AtLineEnd()) {
    char c = text_[pos_];
    if (c == '"' && quotedStart) {
      QuotedField(field, unclosed);
      quotedStart = false;
    } else if (c == sep_) {
      fields.push_back(std::move(field));
      field.clear();
      quotedStart = true;
      ++pos_;
    } else {
      field += c;  // text after a closing quote, or a quote inside a plain field, is kept as it stands
      quotedStart = false;
      ++pos_;
    }
  }
  fields.push_back(std::move(field));
  if (pos_ < text_.size()) SkipLineEnd();
  return true;
}

bool Blank(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

// How the opening records split with one separator: whether every one has the same count (more than
// one field), and the count of the first.
struct SplitTrial {
  bool consistent = true;
  size_t first = 0;
};

SplitTrial TrySeparator(std::string_view text, char sep) {
  SplitTrial trial;
  CsvScanner scan(text, sep);
  std::vector<std::string> fields;
  bool unclosed = false;
  size_t seen = 0;
  while (seen < DetectionRecords && scan.Next(fields, unclosed)) {
    if (Blank(fields)) continue;
    if (seen == 0) trial.first = fields.size();
    trial.consistent = trial.consistent && fields.size() == trial.first;
    ++seen;
  }
  trial.consistent = trial.consistent && trial.first > 1;
  return trial;
}

std::string_view WithoutMark(std::string_view text) {
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) text.remove_prefix(ByteOrderMark.size());
  return text;
}

}  // namespace

char DetectCsvSeparator(std::string_view text) {
  text = WithoutMark(text);
  const char candidates[] = {';', ',', '\t'};
  char widest = ',';
  size_t most = 1;
  for (char sep : candidates) {
    SplitTrial trial = TrySeparator(text, sep);
    if (trial.consistent) return sep;
    if (trial.first > most) most = trial.first, widest = sep;
  }
  return widest;
}

bool ParseCsv(std::string_view text, char separator, CsvTable& table, std::string& error) {
  text = WithoutMark(text);
  table.rows.clear();
  table.separator = separator ? separator : DetectCsvSeparator(text);
  CsvScanner scan(text, table.separator);
  std::vector<std::string> fields;
  bool unclosed = false;
  size_t cells = 0;
  for (long startLine = scan.Line(); scan.Next(fields, unclosed); startLine = scan.Line()) {
    if (unclosed) {
      error = "The quoted field on line " + std::to_string(startLine) + " of the data file is never closed";
      return false;
    }
    cells += fields.size();
    if (cells > CsvCellLimit) {
      error = "The data file has more than " + std::to_string(CsvCellLimit) + " cells";
      return false;
    }
    if (!Blank(fields)) table.rows.push_back({scan.Record(), fields});
  }
  return true;
}

bool ReadCsvFile(const std::string& path, char separator, CsvTable& table, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "Cannot open the data file [" + path + "]";
    return false;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > CsvSizeLimit) {
    error = "The data file [" + path + "] is larger than " + std::to_string(CsvSizeLimit / (1024 * 1024)) + " MB";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<size_t>(size), '\0');
  if (!in || !in.read(text.data(), static_cast<std::streamsize>(size))) {
    error = "Cannot read the data file [" + path + "]";
    return false;
  }
  table.utf8 = IsValidUtf8(text);
  if (!table.utf8) text = WindowsLatinToUtf8(text);
  return ParseCsv(text, separator, table, error);
}

}  // namespace quill
