#include "toolpath/merge/merge_rows.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>

#include "job/job.h"
#include "toolpath/merge/csv_table.h"
#include "toolpath/merge/font_coverage.h"
#include "toolpath/merge/merge_template.h"
#include "toolpath/merge/text_codes.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr size_t FileStemLimit = 120;

std::string Trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::string Lowered(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

std::optional<int> ColumnNumber(const std::string& s) {
  if (s.empty() || s.size() > 6 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::stoi(s);
}

// The character as the operator is told of it: the character itself and its code.
std::string CharacterLabel(unsigned char code) {
  return "\"" + std::string(1, static_cast<char>(code)) + "\" (code " + std::to_string(code) + ")";
}

// A character without an 8-bit code, by its Unicode number.
std::string UnicodeLabel(const std::string& utf8) {
  uint32_t cp = 0;
  const auto lead = static_cast<unsigned char>(utf8.empty() ? 0 : utf8[0]);
  size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (utf8.size() != extra + 1) return "a byte that is no character (" + std::to_string(lead) + ")";
  cp = extra ? lead & (0x3Fu >> extra) : lead;
  for (size_t k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[k]) & 0x3Fu);
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", cp);
  return hex;
}

// Where each field (and the per-row file name) is found in a record.
struct Columns {
  bool header = false;
  std::vector<size_t> ofField;
  std::optional<size_t> file;
};

class RowPreparer {
 public:
  RowPreparer(Job& job, const MergeOptions& options, const CsvTable& table)
      : job_(job), options_(options), table_(table), template_(job.text) {}

  bool Prepare(MergeData& out);

 private:
  bool ResolveColumns();
  bool Resolve(const std::string& label, const std::string& name, std::optional<size_t>& column);
  std::string HeaderNames() const;
  std::optional<std::string> MakeRow(const CsvRow& record, MergeRow& row);
  std::optional<std::string> CheckFont(const std::vector<std::string>& lines) const;
  std::optional<std::string> NameFile(const CsvRow& record, MergeRow& row);

  Job& job_;
  const MergeOptions& options_;
  const CsvTable& table_;
  MergeTemplate template_;
  Columns columns_;
  FontCoverage font_;
  std::vector<std::pair<std::string, long>> fileNames_;  // lower-cased stems already given, and their rows
};

std::string RowPreparer::HeaderNames() const {
  std::string names;
  for (const std::string& cell : table_.rows.front().cells) names += (names.empty() ? "" : ", ") + Trimmed(cell);
  return names;
}

bool RowPreparer::Resolve(const std::string& label, const std::string& name, std::optional<size_t>& column) {
  if (auto n = ColumnNumber(name)) {
    if (*n < 1) {
      job_.ui.Error("Columns are numbered from 1: " + label + " names none");
      return false;
    }
    column = static_cast<size_t>(*n - 1);
    return true;
  }
  if (!columns_.header) {
    job_.ui.Error("The text names the field " + label +
                  ", but the data file is read without a header row: " + "name the columns by number, {1}, {2} ...");
    return false;
  }
  const std::vector<std::string>& head = table_.rows.front().cells;
  for (size_t i = 0; i < head.size(); ++i) {
    if (Lowered(Trimmed(head[i])) == Lowered(Trimmed(name))) {
      column = i;
      return true;
    }
  }
  job_.ui.Error("The data file has no column " + label + " (its columns: " + HeaderNames() + ")");
  return false;
}

bool RowPreparer::ResolveColumns() {
  const bool namedFile = !options_.perRowColumn.empty() && !ColumnNumber(options_.perRowColumn);
  columns_.header = options_.header == HeaderRow::Yes ||
                    (options_.header == HeaderRow::Auto && (template_.HasNamedField() || namedFile));
  for (const MergeField& f : template_.Fields()) {
    std::optional<size_t> column;
    if (!Resolve(FieldLabel(f), f.name, column)) return false;
    columns_.ofField.push_back(*column);
  }
  if (options_.perRowColumn.empty()) return true;
  return Resolve("{" + options_.perRowColumn + "}", options_.perRowColumn, columns_.file);
}

std::optional<std::string> RowPreparer::CheckFont(const std::vector<std::string>& lines) const {
  for (const std::string& line : lines) {
    for (char c : line) {
      if (!font_.Has(static_cast<unsigned char>(c))) {
        return "the font has no character " + CharacterLabel(static_cast<unsigned char>(c));
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> RowPreparer::NameFile(const CsvRow& record, MergeRow& row) {
  if (!columns_.file) return std::nullopt;
  const std::string label = "{" + options_.perRowColumn + "}";
  const size_t at = *columns_.file;
  row.fileStem = FileStemOf(at < record.cells.size() ? record.cells[at] : std::string());
  if (row.fileStem.empty()) return "the column " + label + " is empty, so its NC file has no name";
  const std::string key = Lowered(row.fileStem);
  for (const auto& [name, number] : fileNames_) {
    if (name == key) return "its NC file name \"" + row.fileStem + "\" is already row " + std::to_string(number) + "'s";
  }
  fileNames_.push_back({key, record.number});
  return std::nullopt;
}

std::optional<std::string> RowPreparer::MakeRow(const CsvRow& record, MergeRow& row) {
  std::vector<std::string> values;
  for (size_t i = 0; i < columns_.ofField.size(); ++i) {
    const size_t at = columns_.ofField[i];
    std::string cell = at < record.cells.size() ? record.cells[at] : std::string();
    if (Trimmed(cell).empty()) return "the field " + FieldLabel(template_.Fields()[i]) + " is empty";
    std::string latin, unmapped;
    if (!Utf8ToWindowsLatin(cell, latin, unmapped)) {
      return "the character " + UnicodeLabel(unmapped) + " is not in the fonts' character set";
    }
    values.push_back(latin);
  }
  std::string text = template_.Fill(values);
  row.text.clear();
  for (size_t start = 0;;) {
    size_t end = text.find('\n', start);
    row.text.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (auto missing = CheckFont(row.text)) return missing;
  return NameFile(record, row);
}

bool RowPreparer::Prepare(MergeData& out) {
  if (template_.Fields().empty()) {
    job_.ui.Error("The text holds no field such as {Name} or {1}: every row would engrave the same text");
    return false;
  }
  if (table_.rows.empty()) {
    job_.ui.Error("The data file [" + options_.dataFile + "] holds no rows");
    return false;
  }
  if (!ResolveColumns() || !font_.Open(job_)) return false;
  const size_t first = columns_.header ? 1 : 0;
  for (size_t i = first; i < table_.rows.size(); ++i) {
    MergeRow row;
    row.number = table_.rows[i].number;
    row.index = static_cast<long>(i - first);
    if (auto problem = MakeRow(table_.rows[i], row)) {
      out.problems.push_back({row.number, *problem});
    } else {
      out.rows.push_back(std::move(row));
    }
  }
  out.dataRows = static_cast<long>(table_.rows.size() - first);
  if (out.dataRows == 0) {
    job_.ui.Error("The data file [" + options_.dataFile + "] holds a header row and no data");
    return false;
  }
  return true;
}

}  // namespace

std::string FileStemOf(const std::string& cell) {
  std::string stem;
  for (char c : Trimmed(cell)) {
    const auto u = static_cast<unsigned char>(c);
    const bool bad = u < 32 || u == 127 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
                     c == '<' || c == '>' || c == '|';
    stem += bad ? '_' : c;
  }
  stem.erase(0, std::min(stem.find_first_not_of('.'), stem.size()));
  if (stem.size() > FileStemLimit) {
    size_t cut = FileStemLimit;
    while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
    stem.resize(cut);
  }
  return Trimmed(stem);
}

bool PrepareMergeRows(Job& job, const MergeOptions& options, MergeData& out) {
  out = MergeData{};
  CsvTable table;
  std::string error;
  if (!ReadCsvFile(options.dataFile, options.separator, table, error)) {
    job.ui.Error(error);
    return false;
  }
  if (!table.utf8) {
    job.ui.Status(StatusChannel::General, "The data file is not UTF-8: its bytes are read as Windows Latin");
  }
  return RowPreparer(job, options, table).Prepare(out);
}

}  // namespace quill
